#include "PrivateDesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kStartMs = 15000;

PrivateDesktop::WindowId toWindow(const QString& text) {
    bool ok = false;
    const PrivateDesktop::WindowId id = text.trimmed().toULong(&ok, 0);
    return ok ? id : 0;
}

int fieldOf(const QString& xwininfo, const char* label) {
    const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(label)));
    const QRegularExpressionMatch m = re.match(xwininfo);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (condition())
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
}

bool holdsFor(const std::function<bool()>& condition, int durationMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < durationMs) {
        if (!condition())
            return false;
        QThread::msleep(20);
    }
    return condition();
}

PrivateDesktop::PrivateDesktop() = default;

PrivateDesktop::~PrivateDesktop() {
    // Clients first, the server last: it was started first.
    while (!m_processes.empty()) {
        end(m_processes.back().get());
    }
}

QStringList PrivateDesktop::requiredTools() {
    return {QStringLiteral("Xvfb"),  QStringLiteral("openbox"),  QStringLiteral("xdotool"),
            QStringLiteral("xprop"), QStringLiteral("xwininfo"), QStringLiteral("xclip"),
            QStringLiteral("import")};
}

QStringList PrivateDesktop::missingTools(const QStringList& programs) {
    QStringList missing;
    for (const QString& program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    }
    return missing;
}

QString PrivateDesktop::start() {
    if (!m_home.isValid())
        return QStringLiteral("cannot create a temporary home folder");
    const QString home = m_home.path();
    for (const char* folder : {"Documents", ".config", ".cache", ".local/share", "runtime", "logs"})
        QDir(home).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    m_environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER",
          "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "QT_QPA_PLATFORM", "XDG_DOCUMENTS_DIR"})
        m_environment.remove(QString::fromLatin1(name));
    m_environment.insert(QStringLiteral("HOME"), home);
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    m_environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    m_environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Without a session bus, GTK's settings backend would try to start one for every change.
    m_environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
    m_environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    // The server tells its display number on the descriptor given to -displayfd: our stdout.
    auto server = std::make_unique<QProcess>();
    server->setProcessEnvironment(m_environment);
    server->setStandardErrorFile(home + QStringLiteral("/logs/Xvfb.log"));
    server->start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    QProcess* x = server.get();
    m_processes.push_back(std::move(server));
    if (!x->waitForStarted(kStartMs))
        return QStringLiteral("Xvfb did not start: ") + x->errorString();
    QByteArray number;
    const bool told = waitUntil(
        [&] {
            x->waitForReadyRead(100);
            number += x->readAllStandardOutput();
            return number.contains('\n') || x->state() == QProcess::NotRunning;
        },
        kStartMs);
    number = number.trimmed();
    if (!told || number.isEmpty()) {
        QFile log(home + QStringLiteral("/logs/Xvfb.log"));
        log.open(QIODevice::ReadOnly);
        return QStringLiteral("Xvfb gave no display number: ") +
               QString::fromLocal8Bit(log.readAll().right(500));
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
    m_environment.insert(QStringLiteral("DISPLAY"), m_display);

    if (!launch(QStringLiteral("openbox")))
        return QStringLiteral("openbox did not start");
    const bool managed = waitUntil(
        [this] {
            return run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .out.contains("window id");
        },
        kStartMs);
    if (!managed)
        return QStringLiteral("openbox did not take over the screen of ") + m_display;
    return QString();
}

QProcess* PrivateDesktop::launch(const QString& program, const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    // Into a file, not a pipe: nobody reads a pipe here, and a full one would stop the program.
    const QString log = QStringLiteral("%1/logs/%2-%3.log")
                            .arg(home(), QFileInfo(program).fileName())
                            .arg(m_processes.size());
    process->setStandardOutputFile(log);
    process->setStandardErrorFile(log, QIODevice::Append);
    process->setProperty("log", log);
    process->start(program, arguments);
    if (!process->waitForStarted(kStartMs))
        return nullptr;
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

void PrivateDesktop::end(QProcess* process) {
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
    if (process == m_clipboardOwner)
        m_clipboardOwner = nullptr;
    for (auto it = m_processes.begin(); it != m_processes.end(); ++it) {
        if (it->get() == process) {
            m_processes.erase(it);
            break;
        }
    }
}

QByteArray PrivateDesktop::logOf(const QProcess* process) {
    QFile log(process ? process->property("log").toString() : QString());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

PrivateDesktop::Output PrivateDesktop::run(const QString& program, const QStringList& arguments,
                                           const QByteArray& input, int timeoutMs) const {
    Output output;
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return output;
    if (!input.isEmpty()) {
        process.write(input);
        process.waitForBytesWritten(timeoutMs);
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return output;
    }
    output.out = process.readAllStandardOutput();
    output.err = process.readAllStandardError();
    output.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return output;
}

QString PrivateDesktop::xdotool(const QStringList& arguments) const {
    const Output o = run(QStringLiteral("xdotool"), arguments);
    return o.exitCode == 0 ? QString::fromUtf8(o.out).trimmed() : QString();
}

PrivateDesktop::WindowId PrivateDesktop::activeWindow() const {
    return toWindow(xdotool({QStringLiteral("getactivewindow")}));
}

QString PrivateDesktop::windowName(WindowId window) const {
    return xdotool({QStringLiteral("getwindowname"), QString::number(window)});
}

qint64 PrivateDesktop::windowPid(WindowId window) const {
    return xdotool({QStringLiteral("getwindowpid"), QString::number(window)}).toLongLong();
}

QRect PrivateDesktop::clientGeometry(WindowId window) const {
    // xwininfo gives the client window's own place on the screen; xdotool's geometry adds the
    // frame's offsets to it a second time.
    const Output o =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    if (o.exitCode != 0)
        return QRect();
    const QString info = QString::fromUtf8(o.out);
    return QRect(fieldOf(info, "Absolute upper-left X"), fieldOf(info, "Absolute upper-left Y"),
                 fieldOf(info, "Width"), fieldOf(info, "Height"));
}

QList<PrivateDesktop::WindowId> PrivateDesktop::visibleWindows(const QString& className) const {
    QList<WindowId> windows;
    const QString found =
        xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--classname"), QStringLiteral("^%1$").arg(className)});
    for (const QString& line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (const WindowId id = toWindow(line))
            windows << id;
    }
    return windows;
}

PrivateDesktop::WindowId PrivateDesktop::waitForWindow(const QString& className,
                                                       int timeoutMs) const {
    WindowId found = 0;
    waitUntil(
        [&] {
            const QList<WindowId> windows = visibleWindows(className);
            found = windows.isEmpty() ? 0 : windows.first();
            return found != 0;
        },
        timeoutMs);
    return found;
}

QList<PrivateDesktop::WindowId> PrivateDesktop::stacking() const {
    QList<WindowId> windows;
    const Output o = run(QStringLiteral("xprop"),
                         {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    const QString text = QString::fromUtf8(o.out);
    const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(text); it.hasNext();)
        windows << toWindow(it.next().captured(0));
    return windows;
}

bool PrivateDesktop::activate(WindowId window) const {
    xdotool({QStringLiteral("windowactivate"), QString::number(window)});
    return waitUntil([&] { return activeWindow() == window; }, 5000);
}

bool PrivateDesktop::movePointer(QPoint screen) const {
    // Not "mousemove --sync": it waits for a motion, and there is none when the pointer is
    // there already.
    const QString x = QString::number(screen.x()), y = QString::number(screen.y());
    xdotool({QStringLiteral("mousemove"), x, y});
    return waitUntil(
        [&] {
            const QString at = xdotool({QStringLiteral("getmouselocation")});
            return at.startsWith(QStringLiteral("x:%1 y:%2 ").arg(x, y));
        },
        5000);
}

void PrivateDesktop::click(QPoint screen) const {
    if (movePointer(screen))
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void PrivateDesktop::drag(QPoint from, QPoint to) const {
    auto moveTo = [this](QPoint p) {
        xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    };
    if (!movePointer(from))
        return;
    QThread::msleep(300);
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    QThread::msleep(300);
    // Past the drag threshold of every toolkit, in small steps as a hand moves.
    for (int step = 1; step <= 20; ++step) {
        moveTo(from + QPoint(3 * step, 1));
        QThread::msleep(30);
    }
    constexpr int kSteps = 12;
    const QPoint start = from + QPoint(60, 1);
    for (int step = 1; step <= kSteps; ++step) {
        moveTo(start + (to - start) * step / kSteps);
        QThread::msleep(60);
    }
    // A last small move over the target: some sources send their position only on motion.
    QThread::msleep(300);
    moveTo(to + QPoint(1, 1));
    QThread::msleep(500);
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void PrivateDesktop::parkPointer() const {
    movePointer(QPoint(1279, 799));
}

void PrivateDesktop::key(const QString& keys) const {
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} +
            keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void PrivateDesktop::type(const QString& text) const {
    // xdotool types a line feed as a key that editors ignore; a line break is a Return here.
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            key(QStringLiteral("Return"));
        if (!lines[i].isEmpty())
            xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"),
                     lines[i]});
    }
}

QProcess* PrivateDesktop::takeClipboard(const QStringList& xclipArguments) {
    end(m_clipboardOwner);
    // -quiet keeps xclip in the foreground, so that it stays ours to end.
    m_clipboardOwner = launch(QStringLiteral("xclip"),
                              QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-quiet")} +
                                  xclipArguments);
    return m_clipboardOwner;
}

bool PrivateDesktop::setClipboard(const QString& text) {
    QProcess* owner = takeClipboard({});
    if (!owner)
        return false;
    owner->write(text.toUtf8());
    owner->waitForBytesWritten(5000);
    owner->closeWriteChannel();
    return waitUntil([&] { return clipboard() == text; }, 5000);
}

bool PrivateDesktop::setClipboardPicture(const QString& pngFile) {
    if (!takeClipboard(
            {QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-i"), pngFile}))
        return false;
    return waitUntil(
        [&] {
            const Output o =
                run(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"),
                     QStringLiteral("clipboard"), QStringLiteral("-t"), QStringLiteral("TARGETS")});
            return o.out.contains("image/png");
        },
        5000);
}

QString PrivateDesktop::clipboard() const {
    const Output o =
        run(QStringLiteral("xclip"),
            {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    if (o.exitCode != 0)
        return QString();
    return QString::fromUtf8(o.out.isNull() ? QByteArray("") : o.out);
}

bool PrivateDesktop::screenshot(const QString& file, const QRect& area) const {
    QStringList arguments{QStringLiteral("-window"), QStringLiteral("root")};
    if (!area.isEmpty()) {
        const QRect screen(0, 0, 1280, 800);
        const QRect part = area.intersected(screen);
        arguments << QStringLiteral("-crop")
                  << QStringLiteral("%1x%2+%3+%4")
                         .arg(part.width())
                         .arg(part.height())
                         .arg(part.x())
                         .arg(part.y())
                  << QStringLiteral("+repage");
    }
    arguments << file;
    QDir().mkpath(QFileInfo(file).absolutePath());
    return run(QStringLiteral("import"), arguments, {}, 20000).exitCode == 0;
}
