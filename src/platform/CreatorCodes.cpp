#include "CreatorCodes.h"

#include <QStringList>

namespace {

bool inFamily(const QString& name, const QString& windowClass, const QStringList& family) {
    return family.contains(name.toLower()) || family.contains(windowClass.toLower());
}

} // namespace

namespace CreatorCodes {

QString forWindowClass(const QString& name, const QString& windowClass) {
    static const QStringList firefox = {QStringLiteral("firefox"), QStringLiteral("firefox-esr"),
                                        QStringLiteral("navigator")};
    static const QStringList safari = {
        QStringLiteral("epiphany"),      QStringLiteral("org.gnome.epiphany"),
        QStringLiteral("chromium"),      QStringLiteral("chromium-browser"),
        QStringLiteral("google-chrome"), QStringLiteral("google-chrome-stable")};
    static const QStringList finder = {
        QStringLiteral("nautilus"),   QStringLiteral("org.gnome.nautilus"),
        QStringLiteral("thunar"),     QStringLiteral("pcmanfm"),
        QStringLiteral("pcmanfm-qt"), QStringLiteral("caja"),
        QStringLiteral("nemo"),       QStringLiteral("dolphin")};
    if (inFamily(name, windowClass, firefox))
        return QString::fromLatin1(Firefox);
    if (inFamily(name, windowClass, safari))
        return QString::fromLatin1(Safari);
    if (inFamily(name, windowClass, finder))
        return QString::fromLatin1(Finder);
    return windowClass.isEmpty() ? name.toLower() : windowClass.toLower();
}

bool isTerminal(const QString& name, const QString& windowClass) {
    static const QStringList terminals = {QStringLiteral("xterm"),
                                          QStringLiteral("uxterm"),
                                          QStringLiteral("gnome-terminal"),
                                          QStringLiteral("gnome-terminal-server"),
                                          QStringLiteral("konsole"),
                                          QStringLiteral("xfce4-terminal"),
                                          QStringLiteral("terminator"),
                                          QStringLiteral("tilix"),
                                          QStringLiteral("alacritty"),
                                          QStringLiteral("kitty"),
                                          QStringLiteral("urxvt"),
                                          QStringLiteral("rxvt"),
                                          QStringLiteral("lxterminal"),
                                          QStringLiteral("mate-terminal"),
                                          QStringLiteral("qterminal"),
                                          QStringLiteral("st-256color"),
                                          QStringLiteral("foot"),
                                          QStringLiteral("terminology"),
                                          QStringLiteral("org.gnome.console"),
                                          QStringLiteral("kgx"),
                                          QStringLiteral("wezterm"),
                                          QStringLiteral("sakura")};
    return inFamily(name, windowClass, terminals);
}

} // namespace CreatorCodes
