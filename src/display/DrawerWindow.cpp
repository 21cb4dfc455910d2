#include "DrawerWindow.h"

#include "FullDisplay.h"
#include "app/Module1.h"
#include "platform/Desktop.h"

DrawerWindow::DrawerWindow() {
    setObjectName(QStringLiteral("DrawerWindow"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Vellora"));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    resize(240, 115);
}

void DrawerWindow::Open() {
    const QSize screen = desktop().screenSize();
    setGeometry(screen.width() - 300, screen.height() - 2, width(), height());
}

void DrawerWindow::Close() {
    Module1::DrawerWindowVisible = false;
}

void DrawerWindow::setWidth(int w) {
    setGeometry(Left(), Top(), w, height());
    repaint();
}

void DrawerWindow::setHeight(int h) {
    setGeometry(Left(), Top(), width(), h);
}

void DrawerWindow::install() {
    FullDisplay::setDrawerHooks(
        [] {
            if (DrawerWindow* d = existing())
                d->close();
        },
        [](int width) {
            DrawerWindow& d = instance();
            d.show();
            d.setWidth(width);
            d.setHeight(4);
        });
}
