#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

class QProcess;

// A private X server (Xvfb, its display number read from -displayfd) with the openbox window
// manager and a fresh home folder, for driving real programs with the X command-line tools.
// Every process it starts is ended when it goes.
class PrivateDesktop final {
public:
    using WindowId = unsigned long;

    PrivateDesktop();
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    // The tools the desktop itself needs: the server, the window manager and the X tools.
    static QStringList requiredTools();
    // Returns those of these programs that are not installed.
    static QStringList missingTools(const QStringList& programs);

    // Starts the server and the window manager; returns an empty text, or why it could not.
    QString start();

    // The fresh home folder; Documents and the XDG folders exist inside it.
    QString home() const { return m_home.path(); }
    // The display name, such as ":3".
    QString display() const { return m_display; }
    // The environment every program on this desktop runs with.
    QProcessEnvironment environment() const { return m_environment; }

    // Starts a program in the background on this desktop; it ends with the desktop or end().
    QProcess* launch(const QString& program, const QStringList& arguments = {});
    // Ends a program started with launch(): politely first, then for good.
    void end(QProcess* process);
    // Returns what a program started with launch() has written so far.
    static QByteArray logOf(const QProcess* process);

    struct Output {
        int exitCode = -1; // -1 when the program did not run or did not finish in time
        QByteArray out;
        QByteArray err;
    };
    // Runs a tool to its end on this desktop, for at most timeoutMs.
    Output run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
               int timeoutMs = 10000) const;
    // Runs xdotool; returns its trimmed output, or an empty text when it failed.
    QString xdotool(const QStringList& arguments) const;

    // Returns the active window, or 0 when none is active.
    WindowId activeWindow() const;
    // Returns the window's title, or an empty text when it has none or is gone.
    QString windowName(WindowId window) const;
    // Returns the process that owns the window, or 0 when it does not say.
    qint64 windowPid(WindowId window) const;
    // Returns the window's client area (without the frame) in screen coordinates, or an empty
    // rectangle when the window is gone.
    QRect clientGeometry(WindowId window) const;
    // Returns the mapped windows whose WM_CLASS instance name is this, oldest first.
    QList<WindowId> visibleWindows(const QString& className) const;
    // Waits until a window of this WM_CLASS instance name shows; returns the oldest, or 0.
    WindowId waitForWindow(const QString& className, int timeoutMs) const;
    // Returns the managed windows from bottom to top of the stacking order.
    QList<WindowId> stacking() const;

    // Makes the window the active one through the window manager; returns whether it became so.
    bool activate(WindowId window) const;
    // Moves the pointer to a screen point; returns whether it got there.
    bool movePointer(QPoint screen) const;
    // Moves the pointer to a screen point and clicks the left button there.
    void click(QPoint screen) const;
    // Moves the pointer out of the way, so that no hover or tool tip shows in a picture.
    void parkPointer() const;
    // Drags with the left button from one screen point to another as a hand does: a press,
    // a short move that starts the drag, the way across, and a pause over the target so that
    // it can accept before the release.
    void drag(QPoint from, QPoint to) const;
    // Presses keys in xdotool's notation, one after another ("ctrl+Home shift+End"), in the
    // focused window.
    void key(const QString& keys) const;
    // Types ASCII text (LF presses Return) into the focused window.
    void type(const QString& text) const;

    // Puts text on the Clipboard as another program does; an xclip of ours holds it until
    // another program takes the Clipboard.
    bool setClipboard(const QString& text);
    // Puts a PNG file on the Clipboard as a picture (image/png only).
    bool setClipboardPicture(const QString& pngFile);
    // Returns the Clipboard's text as a pasting program gets it, or a null text when it
    // offers none.
    QString clipboard() const;

    // Saves the screen, or the part of it inside area, as a PNG file; returns whether it did.
    bool screenshot(const QString& file, const QRect& area = {}) const;

private:
    // Ends our earlier Clipboard owner and starts an xclip that takes the Clipboard with these
    // further arguments; returns it, or nullptr.
    QProcess* takeClipboard(const QStringList& xclipArguments);

    QTemporaryDir m_home;
    QString m_display;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_processes; // in the order they were started
    QProcess* m_clipboardOwner = nullptr;
};

// Checks condition every few milliseconds until it holds or timeoutMs pass; returns whether it
// held in time.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

// Returns whether condition holds every time it is checked during the next durationMs.
bool holdsFor(const std::function<bool()>& condition, int durationMs);
