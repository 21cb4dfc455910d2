#include "E2eTest.h"

#include <QFile>

namespace {

// Short lines, enough of them that the grab point lies on the text whether or not the editor
// shows its warning bar for root above the document.
const QString kLines = QStringLiteral("Seven quick zebras jump\n"
                                      "over the lazy brown dog\n"
                                      "while the river runs\n"
                                      "under the old bridge\n"
                                      "and the mill wheel turns\n"
                                      "through the long evening");
const QPoint kOnTheEditorsText(40, 90);
const QString kUsersClipboard = QStringLiteral("The user's own Clipboard: caf\u00e9 au lait");

using EditorDrop = E2eTest;

TEST_F(EditorDrop, TextDraggedOntoThePrinterIconIsPrintedAndTheEditorKeepsIt) {
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kLines));
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
    desk.key(QStringLiteral("ctrl+a"));
    const QSet<QString> before = pdfFiles();

    desk.drag(desk.clientGeometry(editorWindow).topLeft() + kOnTheEditorsText,
              onPalette(PaletteControls::PrinterIcon));

    EXPECT_EQ(printThroughTheDialog(before), kLines.split(QLatin1Char('\n')));
    expectGivenBack(kUsersClipboard);
    EXPECT_EQ(editorText(), kLines) << "the drop moved the text instead of copying it";
}

class BrowserDrop : public BrowserE2eTest {
protected:
    void prepareResources(const QString& folder) override {
        QFile preference(folder + QStringLiteral("/Vellora DnD"));
        ASSERT_TRUE(preference.open(QIODevice::WriteOnly | QIODevice::Truncate));
        preference.write("With Stamp\n");
    }
};

// The drop's source is the browser active under it: the stamp carries the page's address.
TEST_F(BrowserDrop, TextDraggedFromTheBrowserIsStampedWithThePageAddress) {
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
    desk.key(QStringLiteral("ctrl+a"));
    const QSet<QString> before = pdfFiles();
    const QDateTime dragged = QDateTime::currentDateTime();

    desk.drag(desk.clientGeometry(editorWindow).topLeft() + pageTextPoint(),
              onPalette(PaletteControls::PrinterIcon));

    const QStringList page = printThroughTheDialog(before);
    ASSERT_EQ(page.size(), 5) << page.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(page.mid(0, 4), QStringList({kPageText, QString(), pageAddress(), QString()}));
    const QDateTime moment = stampMoment(page.back());
    EXPECT_TRUE(moment.isValid()) << page.back().toStdString();
    EXPECT_GE(moment, dragged.addSecs(-1));
    EXPECT_LE(moment, QDateTime::currentDateTime());
    expectGivenBack(kUsersClipboard);
}

class FileDrop : public E2eTest {
protected:
    void prepareResources(const QString& folder) override {
        QFile board(folder + QStringLiteral("/PrintBoard"));
        ASSERT_TRUE(board.open(QIODevice::WriteOnly));
        board.write("<!DOCTYPE html><html><body><p>Earlier entry</p></body></html>");
    }
};

TEST_F(FileDrop, ATextFileDraggedOntoOpenPrintBoardLandsAtTheEndOfThePrintBoard) {
    const QString file = desk.home() + QStringLiteral("/notes.txt");
    {
        QFile notes(file);
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("Words from a text file\nand its second line");
    }
    QProcess* source = desk.launch(QStringLiteral(DRAG_SOURCE), {file});
    ASSERT_TRUE(source);
    const PrivateDesktop::WindowId sourceWindow =
        desk.waitForWindow(QStringLiteral("e2e_drag_source"), 10000);
    ASSERT_NE(sourceWindow, 0u);
    desk.xdotool({QStringLiteral("windowmove"), QString::number(sourceWindow), QStringLiteral("40"),
                  QStringLiteral("620")});
    ASSERT_TRUE(waitUntil([&] { return desk.clientGeometry(sourceWindow).top() >= 620; }, 5000));
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));

    desk.drag(desk.clientGeometry(sourceWindow).center(),
              onPalette(PaletteControls::OpenPrintBoard));

    // The drop adds to the closed board and leaves it closed; the user opens it to look.
    EXPECT_TRUE(waitUntil(
        [&] {
            QFile board(resourcesFolder() + QStringLiteral("/PrintBoard"));
            return board.open(QIODevice::ReadOnly) && board.readAll().contains("second line");
        },
        10000))
        << "nothing was added to the PrintBoard file";
    expectClipboardBack(kUsersClipboard);
    clickPalette(PaletteControls::OpenPrintBoard);
    const PrivateDesktop::WindowId board =
        waitForVelloraWindow(QStringLiteral("PrintBoard: Collect Info You Want to Print"));
    ASSERT_NE(board, 0u) << "the PrintBoard did not open";
    EXPECT_EQ(wholeTextOf(board),
              QStringLiteral("Earlier entryWords from a text file\nand its second line\n\n"));
}

} // namespace
