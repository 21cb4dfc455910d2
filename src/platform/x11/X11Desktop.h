#pragma once

#include "../Desktop.h"

#include <QHash>
#include <memory>

class QWindow;

// The desktop on X11: the active window through EWMH (libxdo), keys through XTest, and real
// modal Qt dialogs that come up active in front of the application the user works in.
class X11Desktop final : public Desktop {
public:
    // Returns the X11 desktop, or nullptr when the X display cannot be opened.
    static std::unique_ptr<X11Desktop> create();
    ~X11Desktop() override;

    QString GetFrontProcessCreator() override;
    int SetProcessWithCreatorFront(const QString& creator) override;
    int BringProcessFront() override;
    int PostCommandKeyEvent(bool down) override;
    int PostKeyEvent(const QString& key, int keyCode, bool down) override;
    void beep() override;
    int print(const QTextDocument& document, const PageSetup& setup) override;
    int pageSetup(PageSetup& setup) override;
    void runModal(QDialog& dialog) override;
    QSize screenSize() const override;
    bool commandKeyDown() const override;
    bool optionKeyDown() const override;

protected:
    void presentMessage(const QString& text) override;
    void copyAddressBar() override;

private:
    struct Connection;
    explicit X11Desktop(std::unique_ptr<Connection> connection);

    unsigned long activeWindow() const;
    bool isOurs(unsigned long window) const;
    void classOf(unsigned long window, QString& name, QString& windowClass) const;
    unsigned long findWindowFor(const QString& creator) const;
    void activate(unsigned long window) const;
    void sendKey(unsigned long keysym, bool down) const;
    void waitForModifiersReleased() const;
    // Lets a palette that never takes the focus be activated, until the focus is elsewhere.
    static void allowFocusUntilLost(QWindow* window);
    // Keeps a dialog active while it is shown, so that Return goes to it and not to the editor.
    void keepActive(QWidget& dialog) const;

    std::unique_ptr<Connection> m_x;
    QHash<QString, unsigned long> m_lastWindow; // creator code -> window last seen in front
    bool m_shiftWithCommand = false;
};
