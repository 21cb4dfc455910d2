#include "Platform.h"

#include "Desktop.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>

namespace {

bool g_helpTags = true;

// Swallows tool-tip events while help tags are off.
class HelpTagFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip && !g_helpTags)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

void substituteFonts() {
    // The stored styles keep the old desktop's names; show them in installed sans-serif fonts.
    const QStringList installed = QFontDatabase::families();
    QStringList sans;
    for (const char* candidate : {"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans"}) {
        if (installed.contains(QString::fromLatin1(candidate)))
            sans << QString::fromLatin1(candidate);
    }
    if (sans.isEmpty())
        return;
    for (const char* name : {"Geneva", "Lucida Grande", "System", "Helvetica"}) {
        if (!installed.contains(QString::fromLatin1(name)))
            QFont::insertSubstitutions(QString::fromLatin1(name), sans);
    }
}

} // namespace

namespace Platform {

void initialize() {
    if (!desktopInstalled())
        installDesktopForPlatform();
    substituteFonts();
    static HelpTagFilter* filter = nullptr;
    if (!filter) {
        filter = new HelpTagFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

bool helpTagsShown() {
    return g_helpTags;
}

int setHelpTagsShown(bool shown) {
    g_helpTags = shown;
    return 0;
}

} // namespace Platform
