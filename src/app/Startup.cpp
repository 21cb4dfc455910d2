#include "Startup.h"

#include "Class1.h"
#include "Vellora1.h"
#include "menus/Menu.h"
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
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr,
                     "Vellora: this desktop is not X11 (%s); it can only print from X11 "
                     "applications.\n",
                     qPrintable(QGuiApplication::platformName()));
    }
    Class1::instance().showTrayIcon();
    return app.exec();
}
