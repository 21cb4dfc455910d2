#include "Startup.h"

#include "Class1.h"
#include "Vellora1.h"
#include "menus/Menu.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

void startVellora() {
    Platform::initialize();
    Class1& application = Class1::instance();
    Settings::resetForNewRun();
    // Without its folder nothing can be kept; say so once and go on with the defaults.
    if (!Settings::folderExists())
        Settings::reportCannotKeep();
    Vellora1& main = Vellora1::instance();
    application.menu().attachTo(&main);
    main.show();
    main.repaint();
}

int runVellora(int argc, char** argv) {
    const bool hasDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!hasDisplay) {
        std::fprintf(stderr, "Vellora needs a desktop session (X11): no display was found.\n"
                             "Start it from your desktop, or run 'make demo' for a private one.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellora"));
    QApplication::setQuitOnLastWindowClosed(false);
    startVellora();
    // Through XWayland only X11 applications can be seen and asked to copy: say so once.
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
        QGuiApplication::platformName() != QLatin1String("xcb")) {
        desktop().showMessage(QStringLiteral(
            "This desktop session is not an X11 session.  Vellora can print the selections of "
            "X11 applications only; drag-and-drop and the Clipboard functions work as usual."));
    }
    Class1::instance().showTrayIcon();
    return app.exec();
}
