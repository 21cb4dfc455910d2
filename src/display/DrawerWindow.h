#pragma once

#include "app/SingletonWindow.h"

// The Drawer: a slim window at the bottom edge of the screen. So far it offers what the display
// modes and the Preferences window need of it: its place, its width and its visibility.
class DrawerWindow final : public SingletonWindow<DrawerWindow> {
    Q_OBJECT
public:
    DrawerWindow();

    int Left() const { return geometry().x(); }
    int Top() const { return geometry().y(); }
    void setWidth(int width);
    void setHeight(int height);

    // Connects the display modes to the Drawer.
    static void install();

protected:
    void Open() override;
    void Close() override;
};
