#include "E2eTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <iostream>

const Editor kMousepad{"mousepad", QStringLiteral("mousepad"), QStringLiteral("mousepad")};
const Editor kFeatherpad{"featherpad", QStringLiteral("featherpad"), QStringLiteral("featherpad")};

namespace {

constexpr int kWindowMs = 20000;

bool copyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        const bool ok = it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(source, target);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

QStringList linesOf(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

QString E2eTest::artifact(const QString& name) {
    return QStringLiteral(E2E_ARTIFACTS "/") + name;
}

void E2eTest::SetUp() {
    QStringList needed = PrivateDesktop::requiredTools();
    needed << QStringLiteral("pdftotext") << editor().program;
    const QStringList missing = PrivateDesktop::missingTools(needed);
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed: " << missing.join(QStringLiteral(", ")).toStdString()
                     << " (scripts/install-deps installs them)";
    if (!QFileInfo(QStringLiteral(VELLORA_BIN)).isExecutable())
        GTEST_SKIP() << "Vellora is not built at " << VELLORA_BIN;
    const QString failure = desk.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_NO_FATAL_FAILURE(startEditor());
    ASSERT_NO_FATAL_FAILURE(startVellora());
    ASSERT_TRUE(desk.activate(editorWindow)) << "the editor is not active beside the palette";
}

void E2eTest::TearDown() {
    if (!HasFailure() || desk.display().isEmpty())
        return;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QStringLiteral("%1.%2").arg(QString::fromLatin1(test->test_suite_name()),
                                               QString::fromLatin1(test->name()));
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString picture = artifact(QStringLiteral("failed-%1.png").arg(name));
    if (desk.screenshot(picture))
        std::cerr << "The screen at the failure: " << picture.toStdString() << '\n';
    if (vellora)
        std::cerr << "Vellora's output:\n" << PrivateDesktop::logOf(vellora).toStdString() << '\n';
}

void E2eTest::startEditor() {
    const Editor& editor = this->editor();
    ASSERT_TRUE(desk.launch(editor.program)) << "cannot start " << editor.program.toStdString();
    ASSERT_TRUE(waitUntil(
        [&] {
            const auto windows = desk.visibleWindows(editor.className);
            editorWindow = windows.isEmpty() ? 0 : windows.first();
            return editorWindow != 0;
        },
        kWindowMs))
        << editor.program.toStdString() << " showed no window";
    // Just left of the palette, which opens 300 pixels from the right edge.
    const QString id = QString::number(editorWindow);
    desk.xdotool({QStringLiteral("windowsize"), id, QStringLiteral("640"), QStringLiteral("460")});
    desk.xdotool({QStringLiteral("windowmove"), id, QStringLiteral("300"), QStringLiteral("150")});
    ASSERT_TRUE(desk.activate(editorWindow)) << editor.program.toStdString() << " is not active";
}

void E2eTest::startVellora() {
    // A bundle of its own: Vellora keeps its settings in its application folder.
    const QString built = QFileInfo(QStringLiteral(VELLORA_BIN)).absolutePath();
    const QString bundle = desk.home() + QStringLiteral("/Vellora");
    ASSERT_TRUE(copyFolder(built, bundle)) << "cannot copy the bundle " << built.toStdString();
    vellora =
        desk.launch(bundle + QLatin1Char('/') + QFileInfo(QStringLiteral(VELLORA_BIN)).fileName());
    ASSERT_TRUE(vellora) << "cannot start Vellora";
    const qint64 pid = vellora->processId();
    ASSERT_TRUE(waitUntil(
        [&] {
            for (PrivateDesktop::WindowId w : desk.visibleWindows(QStringLiteral("vellora"))) {
                if (desk.windowPid(w) == pid && desk.windowName(w) == QLatin1String("Vellora") &&
                    desk.clientGeometry(w).size() == PaletteControls::FullDisplay) {
                    paletteWindow = w;
                    return true;
                }
            }
            return vellora->state() == QProcess::NotRunning;
        },
        kWindowMs));
    ASSERT_NE(paletteWindow, 0u) << "Vellora showed no palette:\n"
                                 << PrivateDesktop::logOf(vellora).toStdString();
}

void E2eTest::typeIntoEditor(const QString& text) {
    ASSERT_TRUE(desk.activate(editorWindow));
    desk.type(text);
    ASSERT_EQ(editorText(), text) << "the editor did not take the typed text";
}

QString E2eTest::editorText() {
    // A marker first, so that the copy shows as a change of the Clipboard.
    const QString marker = QStringLiteral("(no copy yet)");
    if (!desk.setClipboard(marker))
        return QStringLiteral("(the Clipboard cannot be set)");
    desk.key(QStringLiteral("ctrl+a"));
    desk.key(QStringLiteral("ctrl+c"));
    QString text;
    waitUntil(
        [&] {
            text = desk.clipboard();
            return !text.isNull() && text != marker;
        },
        5000);
    return text;
}

void E2eTest::clickPalette(const QRect& control) {
    desk.click(paletteGeometry().topLeft() + control.center());
}

PrivateDesktop::WindowId E2eTest::waitForActivePrintDialog() {
    PrivateDesktop::WindowId dialog = 0;
    const qint64 pid = vellora->processId();
    waitUntil(
        [&] {
            const PrivateDesktop::WindowId active = desk.activeWindow();
            if (active && desk.windowName(active) == QLatin1String("Print") &&
                desk.windowPid(active) == pid)
                dialog = active;
            return dialog != 0;
        },
        kWindowMs);
    return dialog;
}

QSet<QString> E2eTest::pdfFiles() const {
    QSet<QString> files;
    const QDir documents(desk.home() + QStringLiteral("/Documents"));
    for (const QString& name : documents.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        files.insert(documents.filePath(name));
    return files;
}

QString E2eTest::waitForNewPdfText(const QSet<QString>& before) {
    QString text;
    qint64 lastSize = -1;
    waitUntil(
        [&] {
            const QSet<QString> now = pdfFiles() - before;
            if (now.isEmpty())
                return false;
            const QString file = *now.begin();
            // Finished when it no longer grows and reads as a whole document.
            const qint64 size = QFileInfo(file).size();
            const bool steady = size > 0 && size == lastSize;
            lastSize = size;
            if (!steady)
                return false;
            const auto out =
                desk.run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, {}, 10000);
            if (out.exitCode != 0)
                return false;
            text = QString::fromUtf8(out.out);
            return true;
        },
        kWindowMs);
    return text;
}

QRect E2eTest::editorAndPaletteArea() const {
    const QRect both = desk.clientGeometry(editorWindow).united(paletteGeometry());
    // Room for the window manager's title bars and borders.
    return both.adjusted(-12, -32, 12, 12);
}
