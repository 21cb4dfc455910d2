#include "Menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

Menu::Menu() : m_popup(new QMenu) {
    m_popup->setObjectName(QStringLiteral("Menu"));
    for (const char* name : {"File", "Edit", "View", "Help"}) {
        QMenu* menu = m_popup->addMenu(QString::fromLatin1(name));
        menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
        m_menus[QString::fromLatin1(name)] = menu;
    }
}

Menu::~Menu() {
    delete m_popup;
}

QAction* Menu::item(const QString& name) const {
    auto it = m_items.find(name);
    return it == m_items.end() ? nullptr : it->second;
}

QAction* Menu::addItem(const QString& menu, const QString& name, const QString& text) {
    QAction* action = m_menus.at(menu)->addAction(text);
    action->setObjectName(name);
    m_items[name] = action;
    return action;
}

void Menu::attachTo(QWidget* window) {
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(window, &QWidget::customContextMenuRequested, window,
                     [this, window](const QPoint& at) { m_popup->popup(window->mapToGlobal(at)); });
}
