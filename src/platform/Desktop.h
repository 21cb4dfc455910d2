#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QDialog;
class QTextDocument;
class QWidget;
struct PageSetup;

// The desktop as the application needs it: which application is in front, bringing one to the
// front, posting keys to it, the browsers' page addresses, and every modal moment (messages,
// the beep, Print and Page Setup dialogs, the application's own modal dialogs).
//
// Two implementations exist, chosen once at start-up: the X11 desktop (whenever Qt runs on xcb)
// and the simulated desktop that the tests drive. Applications are named by creator codes.
class Desktop {
public:
    virtual ~Desktop();

    // Returns the creator code of the active application, or an empty text when none is active.
    virtual QString GetFrontProcessCreator() = 0;

    // Returns this application's own creator code.
    static QString GetMyCreator();

    // Makes the application with this code the active one; an unknown or empty code does
    // nothing. The result is 0, or -1 when nothing was brought forward.
    virtual int SetProcessWithCreatorFront(const QString& creator) = 0;

    // Makes this application the active one; returns 0, or -1 when it has no window to show.
    virtual int BringProcessFront() = 0;

    // Posts the Command key (Ctrl here) going down or up to the active application; returns 0.
    virtual int PostCommandKeyEvent(bool down) = 0;

    // Posts the key with this virtual key code going down or up to the active application;
    // returns 0, or -1 for a key code this desktop does not know.
    virtual int PostKeyEvent(const QString& key, int keyCode, bool down) = 0;

    // Runs the compiled address script of that name ("GetSafariURL2", "GetFireFoxURL"): leaves
    // the address of the page the material came from on the Clipboard as plain text, or leaves
    // the Clipboard as it was when there is none.
    void runAddressScript(const QString& name);

    // Sounds the beep.
    virtual void beep() = 0;

    // Shows a modal message (CR line breaks) and returns when the user has dismissed it.
    void showMessage(const QString& text);

    // Shows the Print dialog for document; prints it when confirmed. Returns 0 printed,
    // -128 cancelled, or another number for an error.
    virtual int print(const QTextDocument& document, const PageSetup& setup) = 0;

    // Shows the Page Setup dialog and keeps the choice in setup. Same codes as print().
    virtual int pageSetup(PageSetup& setup) = 0;

    // Shows one of the application's own dialogs modally and returns when it is dismissed.
    virtual void runModal(QDialog& dialog) = 0;

    // Returns the size of the main screen in pixels.
    virtual QSize screenSize() const = 0;

    // Returns whether the Command key (Ctrl here) is held down now.
    virtual bool commandKeyDown() const = 0;

    // Returns whether the Option key (Alt here) is held down now.
    virtual bool optionKeyDown() const = 0;

protected:
    // Shows text, already in this desktop's wording.
    virtual void presentMessage(const QString& text) = 0;

    // Has the browser in front copy the address from its own address bar; returns when the
    // Clipboard changed or about a second has passed.
    virtual void copyAddressBar() = 0;
};

// Returns the desktop in force; there is always one after installDesktop().
Desktop& desktop();

// Returns whether a desktop has been installed.
bool desktopInstalled();

// Installs the desktop for the rest of the run.
void installDesktop(std::unique_ptr<Desktop> desktop);

// Chooses the X11 desktop when Qt runs on xcb, else the simulated one; call after QApplication.
void installDesktopForPlatform();
