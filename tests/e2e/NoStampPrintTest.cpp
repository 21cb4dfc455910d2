#include "E2eTest.h"

#include <QProcess>

namespace {

// No digits anywhere, so that a page number or a date in the PDF cannot hide among them.
const QString kParagraph = QStringLiteral("Seven quick zebras jump over the lazy brown dog\n"
                                          "while the river keeps running under the old bridge");
const QString kFirstLine = kParagraph.section(QLatin1Char('\n'), 0, 0);
// What the user had copied before: more than one line and more than ASCII.
const QString kUsersClipboard =
    QStringLiteral("The user's own Clipboard: Gr\u00fc\u00dfe, caf\u00e9\nand its second line");

struct PrintCase {
    Editor editor;
    QString selectKeys; // how the user selects, in xdotool's notation
    QString selected;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.editor.name;
}

class NoStampPrint : public E2eTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    const Editor& editor() const override { return GetParam().editor; }
};

TEST_P(NoStampPrint, PrintsTheSelectionThroughThePrintDialogAndGivesEverythingBack) {
    const PrintCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kParagraph));
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
    desk.key(c.selectKeys);
    ASSERT_TRUE(editorIsActive());
    const QSet<QString> before = pdfFiles();

    clickPalette(PaletteControls::NoStamp);

    const PrivateDesktop::WindowId dialog = waitForActivePrintDialog();
    ASSERT_NE(dialog, 0u) << "the Print dialog did not become the active window; active: "
                          << desk.windowName(desk.activeWindow()).toStdString();
    const auto stack = desk.stacking();
    EXPECT_GT(stack.indexOf(dialog), stack.indexOf(editorWindow))
        << "the Print dialog is behind the editor";

    desk.key(QStringLiteral("Return"));

    const QString pdf = waitForNewPdfText(before);
    ASSERT_FALSE(pdf.isNull()) << "no PDF appeared in " << desk.home().toStdString()
                               << "/Documents";
    // Exactly the selection: no page number, header or date around it.
    EXPECT_EQ(linesOf(pdf), linesOf(c.selected));
    EXPECT_EQ(pdf.count(QLatin1Char('\f')), 1) << "one page";
    expectGivenBack(kUsersClipboard);
    // The Return went to the dialog, not into the document.
    EXPECT_EQ(editorText(), kParagraph);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, NoStampPrint,
    ::testing::Values(PrintCase{kMousepad, QStringLiteral("ctrl+a"), kParagraph},
                      PrintCase{kFeatherpad, QStringLiteral("ctrl+Home shift+End"), kFirstLine}),
    [](const auto& p) { return p.param.editor.name; });

// What the user did with the palette before the click that is watched.
struct ClickCase {
    std::string name;
    QString earlierJobEndsWith; // the key that ends an earlier No Stamp job; empty for none
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class PaletteClick : public E2eTest, public ::testing::WithParamInterface<ClickCase> {
protected:
    // One No Stamp job from the click to the key that closes the Print dialog. It prints
    // another selection than the watched job, which would otherwise be told it repeats it.
    void runJob(const QString& closingKey) {
        ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
        desk.key(QStringLiteral("ctrl+Home shift+End"));
        ASSERT_TRUE(editorIsActive());
        clickPalette(PaletteControls::NoStamp);
        ASSERT_NE(waitForActivePrintDialog(), 0u) << "no active Print dialog";
        desk.key(closingKey);
        ASSERT_TRUE(waitUntil([&] { return desk.clipboard() == kUsersClipboard; }, 10000))
            << "the Clipboard was not given back";
        ASSERT_TRUE(waitUntil([&] { return editorIsActive(); }, 10000))
            << "the editor was not made active again";
    }
};

TEST_P(PaletteClick, LeavesTheEditorActive) {
    const ClickCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kParagraph));
    if (!c.earlierJobEndsWith.isEmpty()) {
        ASSERT_NO_FATAL_FAILURE(runJob(c.earlierJobEndsWith));
    }
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
    desk.key(QStringLiteral("ctrl+a"));
    ASSERT_TRUE(editorIsActive());
    const QSet<QString> before = pdfFiles();

    clickPalette(PaletteControls::NoStamp);

    // Until the copy is posted, about a second after the click, the editor must stay active:
    // the copy goes to the active window.
    EXPECT_TRUE(holdsFor([&] { return editorIsActive(); }, 700))
        << "the click made this active: " << desk.windowName(desk.activeWindow()).toStdString();
    ASSERT_NE(waitForActivePrintDialog(), 0u) << "the job did not reach the Print dialog";
    desk.key(QStringLiteral("Escape"));
    EXPECT_TRUE(waitUntil([&] { return desk.clipboard() == kUsersClipboard; }, 10000))
        << "a cancelled job did not give the Clipboard back";
    EXPECT_TRUE(waitUntil([&] { return editorIsActive(); }, 10000));
    EXPECT_TRUE(pdfFiles() == before) << "a cancelled job printed";
}

INSTANTIATE_TEST_SUITE_P(Histories, PaletteClick,
                         ::testing::Values(ClickCase{"FreshPalette", {}},
                                           ClickCase{"AfterAPrintedJob", QStringLiteral("Return")},
                                           ClickCase{"AfterACancelledJob",
                                                     QStringLiteral("Escape")}),
                         [](const auto& p) { return p.param.name; });

} // namespace
