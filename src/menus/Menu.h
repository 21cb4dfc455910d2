#pragma once

#include <QObject>
#include <QString>
#include <map>

class QAction;
class QMenu;
class QWidget;

// The menu bar: File, Edit, View and Help. On this desktop the menus are offered on the tray
// icon (where the desktop has a tray) and as the right-click menu of every Vellora window.
class Menu final : public QObject {
    Q_OBJECT
public:
    Menu();
    ~Menu() override;

    // Returns the item of that name ("ViewDrawer"), or nullptr.
    QAction* item(const QString& name) const;

    // Returns a menu holding the four menus as submenus, for the tray and right-clicks.
    QMenu* popup() const { return m_popup; }

    // Adds an item with its handler to one of the menus ("View").
    QAction* addItem(const QString& menu, const QString& name, const QString& text);

    // Offers the menus as the right-click menu of window.
    void attachTo(QWidget* window);

private:
    QMenu* m_popup;
    std::map<QString, QMenu*> m_menus;
    std::map<QString, QAction*> m_items;
};
