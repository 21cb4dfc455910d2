#include "X11Desktop.h"

#include "../Clipboard.h"
#include "../CreatorCodes.h"
#include "../KeyCodes.h"
#include "../Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <unistd.h>

extern "C" {
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xdo.h>
}

namespace {

// How long bringing another application's window forward may wait for the window manager.
constexpr qint64 kActivationWaitMs = 1000;

// Turns X errors raised while it lives into a flag instead of the default handler's exit.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : m_display(display) {
        XSync(m_display, False);
        s_failed = false;
        m_previous = XSetErrorHandler(&XErrorTrap::handler);
    }
    ~XErrorTrap() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    bool failed() const {
        XSync(m_display, False);
        return s_failed;
    }

private:
    static int handler(Display*, XErrorEvent*) {
        s_failed = true;
        return 0;
    }
    static inline bool s_failed = false;
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*);
};

} // namespace

struct X11Desktop::Connection {
    xdo_t* xdo = nullptr;
    Display* display() const { return xdo->xdpy; }
    ~Connection() {
        if (xdo)
            xdo_free(xdo);
    }
};

std::unique_ptr<X11Desktop> X11Desktop::create() {
    auto connection = std::make_unique<Connection>();
    connection->xdo = xdo_new(nullptr);
    if (!connection->xdo)
        return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(connection->display(), &event, &error, &major, &minor))
        qWarning("Vellora: the X server has no XTest extension; copy commands cannot be posted.");
    return std::unique_ptr<X11Desktop>(new X11Desktop(std::move(connection)));
}

X11Desktop::X11Desktop(std::unique_ptr<Connection> connection) : m_x(std::move(connection)) {}

X11Desktop::~X11Desktop() = default;

unsigned long X11Desktop::activeWindow() const {
    Window window = 0;
    XErrorTrap trap(m_x->display());
    if (xdo_get_active_window(m_x->xdo, &window) != 0 || trap.failed())
        return 0;
    return window;
}

bool X11Desktop::isOurs(unsigned long window) const {
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->testAttribute(Qt::WA_WState_Created) && w->winId() == window)
            return true;
    }
    XErrorTrap trap(m_x->display());
    return xdo_get_pid_window(m_x->xdo, window) == getpid();
}

void X11Desktop::classOf(unsigned long window, QString& name, QString& windowClass) const {
    XClassHint hint{nullptr, nullptr};
    XErrorTrap trap(m_x->display());
    if (XGetClassHint(m_x->display(), window, &hint)) {
        name = QString::fromLocal8Bit(hint.res_name);
        windowClass = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
}

QString X11Desktop::GetFrontProcessCreator() {
    const unsigned long window = activeWindow();
    if (!window)
        return QString();
    if (isOurs(window))
        return GetMyCreator();
    QString name, windowClass;
    classOf(window, name, windowClass);
    const QString code = CreatorCodes::forWindowClass(name, windowClass);
    if (!code.isEmpty())
        m_lastWindow.insert(code.toLower(), window);
    return code;
}

unsigned long X11Desktop::findWindowFor(const QString& creator) const {
    const unsigned long last = m_lastWindow.value(creator.toLower());
    if (last) {
        XWindowAttributes attributes;
        XErrorTrap trap(m_x->display());
        if (XGetWindowAttributes(m_x->display(), last, &attributes) && !trap.failed())
            return last;
    }
    // Any client window whose class maps to the code, from the window manager's list.
    Display* d = m_x->display();
    Atom list = XInternAtom(d, "_NET_CLIENT_LIST", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XErrorTrap trap(d);
    if (XGetWindowProperty(d, DefaultRootWindow(d), list, 0, 4096, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) != Success ||
        !data) {
        return 0;
    }
    unsigned long found = 0;
    const auto* windows = reinterpret_cast<Window*>(data);
    for (unsigned long i = count; i-- > 0 && !found;) {
        QString name, windowClass;
        classOf(windows[i], name, windowClass);
        if (CreatorCodes::forWindowClass(name, windowClass).compare(creator, Qt::CaseInsensitive) ==
            0)
            found = windows[i];
    }
    XFree(data);
    return found;
}

void X11Desktop::activate(unsigned long window) const {
    XErrorTrap trap(m_x->display());
    xdo_activate_window(m_x->xdo, window);
    XFlush(m_x->display());
}

int X11Desktop::SetProcessWithCreatorFront(const QString& creator) {
    if (creator.isEmpty())
        return -1;
    if (creator.compare(GetMyCreator(), Qt::CaseInsensitive) == 0)
        return BringProcessFront();
    const unsigned long window = findWindowFor(creator);
    if (!window)
        return -1;
    activate(window);
    // The window manager activates a little later. Callers ask at once which application is
    // in front and post keys to it, so wait here, briefly, until the window is active.
    QElapsedTimer waited;
    waited.start();
    while (activeWindow() != window && waited.elapsed() < kActivationWaitMs)
        QThread::msleep(10);
    return 0;
}

void X11Desktop::allowFocusUntilLost(QWindow* window) {
    static const QString kGrant = QStringLiteral("VelloraFocusGrant");
    if (window->findChild<QObject*>(kGrant, Qt::FindDirectChildrenOnly))
        return;
    window->setFlag(Qt::WindowDoesNotAcceptFocus, false);
    auto* grant = new QObject(window);
    grant->setObjectName(kGrant);
    auto end = [window, grant] {
        // Unnamed at once: it ends only once, and a new grant made before it is deleted is not
        // mistaken for it.
        if (grant->objectName().isEmpty())
            return;
        grant->setObjectName(QString());
        grant->deleteLater();
        window->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    };
    // The grant ends when another window gets the focus, even if this one never had it: a dialog
    // shown at once takes it first, and a palette left able to take the focus would take it
    // from the user's application at the next click.
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, grant,
                     [window, end](QWindow* focus) {
                         if (focus != window)
                             end();
                     });
    // The window manager may also refuse the activation.
    QTimer::singleShot(1500, grant, [window, end] {
        if (!window->isActive())
            end();
    });
}

int X11Desktop::BringProcessFront() {
    // The modal dialog if one is up, else a window of ours that takes the focus, else a floating
    // palette, which is allowed to take the focus until it loses it again.
    QWidget* target = QApplication::activeModalWidget();
    QWidget* palette = nullptr;
    if (!target) {
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget* w : widgets) {
            if (!w->isVisible() || w->isMinimized())
                continue;
            if (!w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)) {
                target = w;
                break;
            }
            if (!palette)
                palette = w;
        }
    }
    if (!target && palette && palette->windowHandle()) {
        allowFocusUntilLost(palette->windowHandle());
        target = palette;
    }
    if (!target)
        return -1;
    activate(target->winId());
    return 0;
}

void X11Desktop::waitForModifiersReleased() const {
    // Keys the user still holds (the Ctrl+Alt of a shortcut) would turn the posted Ctrl+C into
    // Ctrl+Alt+C; wait a moment for them to be let go.
    Display* d = m_x->display();
    const KeySym held[] = {XK_Alt_L,     XK_Alt_R,   XK_Shift_L, XK_Shift_R, XK_Control_L,
                           XK_Control_R, XK_Super_L, XK_Super_R, XK_Meta_L,  XK_Meta_R};
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        char keys[32];
        XQueryKeymap(d, keys);
        bool any = false;
        for (KeySym sym : held) {
            const KeyCode code = XKeysymToKeycode(d, sym);
            if (code && (keys[code / 8] & (1 << (code % 8))))
                any = true;
        }
        if (!any)
            return;
        QThread::msleep(10);
    }
}

void X11Desktop::sendKey(unsigned long keysym, bool down) const {
    Display* d = m_x->display();
    const KeyCode code = XKeysymToKeycode(d, keysym);
    if (!code)
        return;
    XErrorTrap trap(d);
    XTestFakeKeyEvent(d, code, down ? True : False, CurrentTime);
    XFlush(d);
}

int X11Desktop::PostCommandKeyEvent(bool down) {
    if (down) {
        waitForModifiersReleased();
        QString name, windowClass;
        if (const unsigned long window = activeWindow())
            classOf(window, name, windowClass);
        // Ctrl+C interrupts the program running in a terminal; terminals copy with Ctrl+Shift+C.
        m_shiftWithCommand = CreatorCodes::isTerminal(name, windowClass);
        sendKey(XK_Control_L, true);
        if (m_shiftWithCommand)
            sendKey(XK_Shift_L, true);
    } else {
        if (m_shiftWithCommand)
            sendKey(XK_Shift_L, false);
        sendKey(XK_Control_L, false);
        m_shiftWithCommand = false;
    }
    return 0;
}

int X11Desktop::PostKeyEvent(const QString& key, int keyCode, bool down) {
    Q_UNUSED(key);
    const unsigned long keysym = KeyCodes::keysymFor(keyCode);
    if (!keysym)
        return -1;
    sendKey(keysym, down);
    return 0;
}

void X11Desktop::copyAddressBar() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QEventLoop loop;
    QObject::connect(clipboard, &QClipboard::dataChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    waitForModifiersReleased();
    auto chord = [this](unsigned long keysym) {
        sendKey(XK_Control_L, true);
        sendKey(keysym, true);
        sendKey(keysym, false);
        sendKey(XK_Control_L, false);
    };
    chord(XK_l);
    QThread::msleep(60);
    chord(XK_c);
    QThread::msleep(60);
    sendKey(XK_Escape, true);
    sendKey(XK_Escape, false);
    loop.exec();
}

void X11Desktop::beep() {
    QApplication::beep();
}

void X11Desktop::keepActive(QWidget& dialog) const {
    QPointer<QWidget> guard(&dialog);
    auto* timer = new QTimer(&dialog);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [this, guard, timer, tries] {
        if (!guard || ++*tries > 60) {
            timer->stop();
            return;
        }
        if (!guard->isVisible())
            return;
        const unsigned long id = guard->winId();
        if (activeWindow() == id) {
            timer->stop();
            return;
        }
        activate(id);
    });
    timer->start(50);
}

void X11Desktop::presentMessage(const QString& text) {
    QMessageBox box;
    box.setObjectName(QStringLiteral("VelloraMessage"));
    box.setWindowTitle(QStringLiteral("Vellora"));
    box.setIcon(QMessageBox::Information);
    box.setText(MimeText::toDesktop(text));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepActive(box);
    box.exec();
}

int X11Desktop::print(const QTextDocument& document, const PageSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(setup.layout);
    printer.setDocName(QStringLiteral("Vellora"));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Printing::defaultPdfPath());
    }
    QPrintDialog dialog(&printer);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    keepActive(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return PrintCode::Cancelled;
    return Printing::render(document, printer) ? PrintCode::Done : PrintCode::Failed;
}

int X11Desktop::pageSetup(PageSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(setup.layout);
    QPageSetupDialog dialog(&printer);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepActive(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return PrintCode::Cancelled;
    setup.layout = printer.pageLayout();
    return PrintCode::Done;
}

void X11Desktop::runModal(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepActive(dialog);
    dialog.exec();
}

QSize X11Desktop::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

bool X11Desktop::commandKeyDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool X11Desktop::optionKeyDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}
