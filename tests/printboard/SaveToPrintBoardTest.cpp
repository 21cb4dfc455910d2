#include "PrintBoardSupport.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/Wording.h"

#include <QMimeData>

namespace {

class SaveToPrintBoardTest : public PrintBoardTest {
protected:
    void save() { main().ClipboardToPrintBoardPushButton->click(); }
};

TEST_F(SaveToPrintBoardTest, AppendsEachPieceWithASpaceAndTwoLineBreaks) {
    EXPECT_EQ(boardText(), QStringLiteral("<missing>"));
    Module1::FrontMostApp = QStringLiteral("mousepad");
    sim().BringProcessFront();
    Clipboard::setText(QStringLiteral("first piece"));
    save();
    EXPECT_EQ(boardText(), QStringLiteral("first piece \r\r")) << "no file creates one";
    Clipboard::setText(QStringLiteral("second\npiece"));
    save();
    EXPECT_EQ(boardText(), QStringLiteral("first piece \r\rsecond\rpiece \r\r"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("second\rpiece \r\r"))
        << "the Clipboard holds the material and the separator";
    EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("mousepad"));
    EXPECT_TRUE(sim().messages().isEmpty());
}

TEST_F(SaveToPrintBoardTest, ReturnsTheApplicationInFrontAtThePressNotThatOfTheLastPrint) {
    sim().addApp(QStringLiteral("featherpad"));
    for (const char* lastPrint : {"", "mousepad"}) {
        SCOPED_TRACE(lastPrint);
        Module1::FrontMostApp = QString::fromLatin1(lastPrint);
        sim().setFront(QStringLiteral("featherpad"));
        Clipboard::setText(QStringLiteral("piece"));
        save();
        EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("featherpad"));
    }
}

TEST_F(SaveToPrintBoardTest, APictureIsKeptWithTheStylesOfEarlierMaterial) {
    auto* styled = new QMimeData;
    styled->setHtml(QStringLiteral("<span style=\"color:#ff0000; font-size:20pt\">red</span>"));
    Clipboard::setMimeData(styled);
    save();
    EXPECT_EQ(boardText(), QStringLiteral("red \r\r"));
    Clipboard::setPicture(picture(16, 12, Qt::blue));
    save();
    WASTEfield loaded(QStringLiteral("loaded"), QStringLiteral("Geneva"), 12);
    ASSERT_TRUE(loaded.LoadFile(Settings::PrintBoard, 0, 0));
    const auto doc = SimDesktop::describe(*loaded.document());
    EXPECT_EQ(doc.text,
              QStringLiteral("red \r\r") + QChar(QChar::ObjectReplacementCharacter) + " \r\r");
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].size(), QSize(16, 12));
    EXPECT_EQ(doc.runs.at(0).color, QColor(Qt::red));
    EXPECT_EQ(doc.runs.at(0).pointSize, 20);
}

TEST_F(SaveToPrintBoardTest, RefusesWhileTheBoardIsOpenAndWithNothingToSave) {
    saveBoard(QStringLiteral("as it was"));
    const QByteArray before = boardBytes();
    open();
    PrintBoardWindow::instance().hide(); // also when the application's windows are hidden
    Clipboard::setText(QStringLiteral("not added"));
    save();
    EXPECT_EQ(sim().messages(), QStringList{QStringLiteral(
                                    "When the PrintBoard is open, you can add the contents of the "
                                    "Clipboard to it by using the Ctrl+V keyboard shortcut or by "
                                    "using Vellora's Edit menu.")});
    EXPECT_EQ(boardBytes(), before);
    EXPECT_EQ(Clipboard::text(), QStringLiteral("not added"));

    answer(QStringLiteral("Don't Save"));
    PrintBoardWindow::instance().close();
    sim().clearRecord();
    Clipboard::setMimeData(new QMimeData);
    save();
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].startsWith(
        QStringLiteral("Whoops, there doesn't appear to be anything on the Clipboard to save to "
                       "the PrintBoard.\r\r")));
    EXPECT_EQ(sim().beeps(), 1);
    EXPECT_EQ(boardBytes(), before);

    Clipboard::setText(QStringLiteral("1")); // only text or a picture is asked for: "1" is saved
    save();
    EXPECT_EQ(boardText(), QStringLiteral("as it was1 \r\r"));
}

TEST_F(SaveToPrintBoardTest, AFailingWriteKeepsTheOldFileAndTellsTheUser) {
    saveBoard(QStringLiteral("old board"));
    const QByteArray before = boardBytes();
    Files::setWritesFail(true);
    Clipboard::setText(QStringLiteral("material"));
    save();
    Files::setWritesFail(false);
    EXPECT_EQ(boardBytes(), before);
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("still on the Clipboard")));
    EXPECT_TRUE(Clipboard::text().startsWith(QStringLiteral("material")));
}

} // namespace
