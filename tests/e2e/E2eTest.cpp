#include "E2eTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <iostream>

const Editor kMousepad{"mousepad", QStringLiteral("mousepad"), QStringLiteral("mousepad")};
const Editor kFeatherpad{"featherpad", QStringLiteral("featherpad"), QStringLiteral("featherpad")};
const Editor kChromium{"chromium", QStringLiteral("chromium"), QStringLiteral("chromium")};

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

QStringList pageLinesOf(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        lines << line;
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList linesOf(const QString& text) {
    QStringList lines = pageLinesOf(text);
    lines.removeAll(QString());
    return lines;
}

QDateTime stampMoment(const QString& line) {
    static const QRegularExpression re(QStringLiteral("^(\\S.*\\d{4})\\s+(\\d{2}:\\d{2}:\\d{2})$"));
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch())
        return QDateTime();
    const QDate date = QLocale::c().toDate(m.captured(1), QStringLiteral("dddd, d MMMM yyyy"));
    const QTime time = QTime::fromString(m.captured(2), QStringLiteral("HH:mm:ss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

const QString BrowserE2eTest::kPageText = QStringLiteral("Seven quick zebras jump");

QStringList BrowserE2eTest::editorArguments() const {
    // No sandbox: the tests run as root on the build machine. --test-type keeps the warning
    // about that off the page, so that the text stays where pageTextPoint() expects it.
    return {QStringLiteral("--no-sandbox"),
            QStringLiteral("--test-type"),
            QStringLiteral("--no-first-run"),
            QStringLiteral("--no-default-browser-check"),
            QStringLiteral("--disable-gpu"),
            QStringLiteral("--password-store=basic"),
            QStringLiteral("--window-position=300,150"),
            QStringLiteral("--window-size=640,460"),
            pageAddress()};
}

void BrowserE2eTest::prepareHome() {
    QFile page(desk.home() + QStringLiteral("/page.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                              "<title>Zebra Page</title></head><body style=\"margin:0\">"
                              "<p style=\"margin:0;padding:30px 20px;font:%1px sans-serif\">%2</p>"
                              "</body></html>")
                   .arg(pageFontPixels())
                   .arg(kPageText)
                   .toUtf8());
}

QString BrowserE2eTest::pageAddress() const {
    return QUrl::fromLocalFile(desk.home() + QStringLiteral("/page.html")).toString();
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
    ASSERT_NO_FATAL_FAILURE(prepareHome());
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
    ASSERT_TRUE(desk.launch(editor.program, editorArguments()))
        << "cannot start " << editor.program.toStdString();
    editorWindow = desk.waitForWindow(editor.className, kWindowMs);
    ASSERT_NE(editorWindow, 0u) << editor.program.toStdString() << " showed no window";
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
    ASSERT_NO_FATAL_FAILURE(prepareResources(resourcesFolder()));
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

QString E2eTest::resourcesFolder() const {
    return desk.home() + QStringLiteral("/Vellora/Vellora Resources");
}

QString E2eTest::wholeTextOf(PrivateDesktop::WindowId window) {
    if (!desk.activate(window))
        return QStringLiteral("(the window cannot be made active)");
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

QPoint E2eTest::onPalette(const QRect& control) const {
    return paletteGeometry().topLeft() + control.center();
}

void E2eTest::clickPalette(const QRect& control) {
    desk.click(onPalette(control));
}

PrivateDesktop::WindowId E2eTest::waitForVelloraWindow(const QString& title) {
    PrivateDesktop::WindowId found = 0;
    const qint64 pid = vellora->processId();
    waitUntil(
        [&] {
            for (PrivateDesktop::WindowId w : desk.visibleWindows(QStringLiteral("vellora"))) {
                if (desk.windowPid(w) == pid && desk.windowName(w) == title)
                    found = w;
            }
            return found != 0;
        },
        kWindowMs);
    return found;
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

QStringList E2eTest::printThroughTheDialog(const QSet<QString>& before) {
    if (waitForActivePrintDialog() == 0) {
        ADD_FAILURE() << "the Print dialog did not become the active window; active: "
                      << desk.windowName(desk.activeWindow()).toStdString();
        return {};
    }
    desk.key(QStringLiteral("Return"));
    const QString pdf = waitForNewPdfText(before);
    EXPECT_FALSE(pdf.isNull()) << "no PDF appeared in " << desk.home().toStdString()
                               << "/Documents";
    return pageLinesOf(pdf);
}

void E2eTest::expectClipboardBack(const QString& usersClipboard) {
    QString clipboard;
    EXPECT_TRUE(waitUntil([&] { return (clipboard = desk.clipboard()) == usersClipboard; }, 10000))
        << "the Clipboard holds: " << clipboard.toStdString();
}

void E2eTest::expectGivenBack(const QString& usersClipboard) {
    expectClipboardBack(usersClipboard);
    EXPECT_TRUE(waitUntil([&] { return editorIsActive(); }, 10000))
        << "active: " << desk.windowName(desk.activeWindow()).toStdString();
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
                desk.run(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), file, QStringLiteral("-")}, {}, 10000);
            if (out.exitCode != 0)
                return false;
            // The page's font joins "fi" and its kin; the text reads them as letters.
            text = QString::fromUtf8(out.out).normalized(QString::NormalizationForm_KC);
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
