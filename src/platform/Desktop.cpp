#include "Desktop.h"

#include "Clipboard.h"
#include "CreatorCodes.h"
#include "SourcePage.h"
#include "Wording.h"
#include "sim/SimDesktop.h"
#include "x11/X11Desktop.h"

#include <QGuiApplication>

namespace {
std::unique_ptr<Desktop> g_desktop;
} // namespace

Desktop::~Desktop() = default;

QString Desktop::GetMyCreator() {
    return QStringLiteral("VlRa");
}

void Desktop::runAddressScript(const QString& name) {
    // The browser named the source page in the copied or dropped data itself: no keys needed.
    const QString attached = SourcePage::lastAddress();
    if (!attached.isEmpty()) {
        Clipboard::setText(attached);
        return;
    }
    // Each script asks its own browser, even when the user has gone to another application.
    const QString browser =
        name == QLatin1String("GetSafariURL2")   ? QString::fromLatin1(CreatorCodes::Safari)
        : name == QLatin1String("GetFireFoxURL") ? QString::fromLatin1(CreatorCodes::Firefox)
                                                 : QString();
    if (browser.isEmpty())
        return;
    const QString front = GetFrontProcessCreator();
    const bool elsewhere = front.compare(browser, Qt::CaseInsensitive) != 0;
    if (elsewhere && SetProcessWithCreatorFront(browser) != 0)
        return;
    copyAddressBar();
    if (elsewhere)
        SetProcessWithCreatorFront(front);
}

void Desktop::showMessage(const QString& text) {
    presentMessage(Wording::forDesktop(text));
}

Desktop& desktop() {
    if (!g_desktop)
        installDesktopForPlatform();
    return *g_desktop;
}

bool desktopInstalled() {
    return bool(g_desktop);
}

void installDesktop(std::unique_ptr<Desktop> d) {
    g_desktop = std::move(d);
}

void installDesktopForPlatform() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = X11Desktop::create()) {
            installDesktop(std::move(x11));
            return;
        }
    }
    installDesktop(std::make_unique<SimDesktop>());
}
