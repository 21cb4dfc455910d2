#pragma once

#include <memory>

class Menu;
class QSystemTrayIcon;

// The application object: owns the menu bar and the application-wide menu handlers.
class Class1 final {
public:
    // Returns the one instance, creating it with its menu bar.
    static Class1& instance();
    static void destroy();

    Menu& menu() { return *m_menu; }

    // Offers the menus on a tray icon where the desktop has a tray; returns whether it could.
    bool showTrayIcon();

private:
    Class1();
    ~Class1();
    std::unique_ptr<Menu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
