#include "Class1.h"

#include "Vellora1.h"
#include "display/FullDisplay.h"
#include "menus/Menu.h"
#include "platform/Pictures.h"
#include "preferences/PreferencesWindow.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {
Class1* g_instance = nullptr;
} // namespace

Class1& Class1::instance() {
    if (!g_instance)
        g_instance = new Class1;
    return *g_instance;
}

void Class1::destroy() {
    delete g_instance;
    g_instance = nullptr;
}

Class1::Class1() : m_menu(std::make_unique<Menu>()) {
    Menu& m = *m_menu;
    QObject::connect(m.addItem(QStringLiteral("File"), QStringLiteral("FilePreferences"),
                               QStringLiteral("Preferences")),
                     &QAction::triggered, [] {
                         PreferencesWindow& w = PreferencesWindow::instance();
                         w.show();
                         w.activateWindow();
                     });
    QAction* quit =
        m.addItem(QStringLiteral("File"), QStringLiteral("FileQuit"), QStringLiteral("Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, [] { Vellora1::quitApplication(); });
    QObject::connect(m.addItem(QStringLiteral("View"), QStringLiteral("ViewDesktopPrinter"),
                               QStringLiteral("Desktop Printer")),
                     &QAction::triggered, [] { FullDisplay::ViewDesktopPrinter(); });
    QObject::connect(
        m.addItem(QStringLiteral("View"), QStringLiteral("ViewDrawer"), QStringLiteral("Drawer")),
        &QAction::triggered, [] { FullDisplay::ViewDrawer(); });
    QObject::connect(m.addItem(QStringLiteral("View"), QStringLiteral("ViewFullDisplay"),
                               QStringLiteral("Full Display")),
                     &QAction::triggered, [] { FullDisplay::ViewFullDisplay(); });
}

Class1::~Class1() = default;

bool Class1::showTrayIcon() {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_tray = std::make_unique<QSystemTrayIcon>(
        QIcon(Pictures::get(QStringLiteral("NewPrinter2"), QSize(36, 38))));
    m_tray->setToolTip(QStringLiteral("Vellora"));
    m_tray->setContextMenu(m_menu->popup());
    m_tray->show();
    return true;
}
