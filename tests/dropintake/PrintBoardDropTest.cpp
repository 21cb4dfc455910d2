#include "DropSupport.h"

#include "dropintake/AddNoteWindowDragAndDropSave.h"

#include <QTest>

namespace {

const QString kObj(QChar::ObjectReplacementCharacter);

struct EntryRow {
    const char* name;
    const char* pref;
    bool picture;
    const char* from;
    QString entryBeforeStamp; // the entry up to its date line; the whole entry when unstamped
    bool stamped;
};

void PrintTo(const EntryRow& r, std::ostream* os) {
    *os << r.name;
}

class PrintBoardDropRows : public DropTest, public ::testing::WithParamInterface<EntryRow> {};

TEST_P(PrintBoardDropRows, AppendsTheEntryAtTheEndOfTheFile) {
    const EntryRow& r = GetParam();
    saveBoard(QStringLiteral("earlier"));
    Module1::DragAndDropPrintPref = QString::fromLatin1(r.pref);
    std::unique_ptr<QMimeData> data(r.picture ? pictureDrop() : text(QStringLiteral("dropped")));
    drop(main().PushButton1, *data, QString::fromLatin1(r.from));
    const QString entry = r.stamped
                              ? r.entryBeforeStamp + stampOf(dropMoment) + QStringLiteral("\r") +
                                    Stamp::PrintBoardSeparator + QStringLiteral("\r\r")
                              : r.entryBeforeStamp;
    EXPECT_EQ(boardText(), QStringLiteral("earlier") + entry);
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(sim().messages().isEmpty());
    EXPECT_FALSE(PrintBoardWindow::existing()) << "a closed board stays closed";
    EXPECT_EQ(sim().GetFrontProcessCreator(), QString::fromLatin1(r.from))
        << "the application the material came from is in front again";
}

INSTANTIATE_TEST_SUITE_P(
    Branches, PrintBoardDropRows,
    ::testing::Values(EntryRow{"NoStampText", "No Stamp", false, "mousepad",
                               QStringLiteral("dropped\r\r"), false},
                      EntryRow{"NoStampPicture", "No Stamp", true, "mousepad",
                               kObj + QStringLiteral("\r\r"), false},
                      EntryRow{"WithStampText", "With Stamp", false, "mousepad",
                               QStringLiteral("dropped\r\r"), true},
                      EntryRow{"WithStampTextFromSafari", "With Stamp", false, "sfri",
                               QStringLiteral("dropped\r\rhttps://pages.example/article.html\r\r"),
                               true},
                      EntryRow{"WithStampPicture", "With Stamp", true, "mousepad",
                               kObj + QStringLiteral("\r\r"), true},
                      EntryRow{"WithStampPictureFromFirefox", "With Stamp", true, "MOZB",
                               kObj + QStringLiteral("\r\rhttps://pages.example/article.html\r\r"),
                               true}),
    [](const ::testing::TestParamInfo<EntryRow>& p) { return std::string(p.param.name); });

class PrintBoardDrop : public DropTest {};

TEST_F(PrintBoardDrop, WithoutAFileTellsTheUserAndCreatesNone) {
    Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
    std::unique_ptr<QMimeData> data(text(QStringLiteral("lost?")));
    drop(main().PushButton1, *data);
    EXPECT_EQ(boardText(), QStringLiteral("<missing>"));
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].startsWith(
        QStringLiteral("Vellora can't find the PrintBoard.  Please try again")));
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(PrintBoardDrop, AnOpenBoardIsClosedWithTheDropQuestionAndOpenedAgain) {
    for (const char* button : {"Save", "Don't Save"}) {
        SCOPED_TRACE(button);
        asked.clear();
        saveBoard(QStringLiteral("file"));
        Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
        main().setTop(100);
        open();
        field().SetSelection(4, 4);
        typeInBoard(QStringLiteral("+edit"));
        answer(QString::fromLatin1(button));
        std::unique_ptr<QMimeData> data(text(QStringLiteral("new")));
        drop(main().PushButton1, *data);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, SaveChangesToProjectBoard::kDropQuestion);
        EXPECT_FALSE(asked[0].cancelEnabled);
        const QString expected = QString::fromLatin1(button) == QLatin1String("Save")
                                     ? QStringLiteral("file+editnew\r\r")
                                     : QStringLiteral("filenew\r\r");
        EXPECT_EQ(boardText(), expected);
        ASSERT_TRUE(PrintBoardWindow::existing());
        EXPECT_TRUE(PrintBoardWindow::existing()->isVisible());
        EXPECT_EQ(field().Text(), expected) << "the reopened board shows the new entry";
        EXPECT_EQ(PrintBoardWindow::existing()->geometry().top(), 100 + 330);
        EXPECT_FALSE(Module1::PrintBoardWindowReopen);
        answer(QStringLiteral("Don't Save"));
        PrintBoardWindow::existing()->close();
    }
}

TEST_F(PrintBoardDrop, AFailingWriteKeepsTheOldFileAndSaysSo) {
    saveBoard(QStringLiteral("old"));
    const QByteArray old = boardBytes();
    Module1::DragAndDropPrintPref = QStringLiteral("No Stamp");
    Files::setWritesFail(true);
    std::unique_ptr<QMimeData> data(text(QStringLiteral("new")));
    drop(main().PushButton1, *data);
    Files::setWritesFail(false);
    EXPECT_EQ(boardBytes(), old);
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(clipboardFormats(), before);
}

class SaveNoteWindow : public DropTest {
protected:
    void SetUp() override {
        DropTest::SetUp();
        Module1::DragAndDropPrintPref = QStringLiteral("With Note");
    }
    AddNoteWindowDragAndDropSave& window() { return AddNoteWindowDragAndDropSave::instance(); }
};

TEST_F(SaveNoteWindow, AddNoteAppendsTheEntryWithTheNoteAtTheMomentOfTheClick) {
    saveBoard(QStringLiteral("top"));
    std::unique_ptr<QMimeData> data(text(QStringLiteral("kept words")));
    drop(main().PushButton1, *data, QStringLiteral("MOZB"));
    EXPECT_EQ(Module1::DragAndDropFlag, QStringLiteral("Text"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Add a Note"));
    EXPECT_FALSE(window().AddNoteDandDSave->isEnabled());
    QTest::keyClicks(window().AddNoteEditFieldDragAndDrop, QStringLiteral("remember"));
    clock.advance(4000);
    const QDateTime clicked = clock.now();
    window().AddNoteDandDSave->click();
    EXPECT_EQ(boardText(), QStringLiteral("topkept words\r\r") + kUrl +
                               QStringLiteral("\r\rNote:  remember\r\r") + stampOf(clicked) +
                               QStringLiteral("\r") + Stamp::PrintBoardSeparator +
                               QStringLiteral("\r\r"));
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(SaveNoteWindow, CancelAddsNothingAndAMissingBoardIsReported) {
    saveBoard(QStringLiteral("unchanged"));
    open();
    std::unique_ptr<QMimeData> data(pictureDrop());
    drop(main().PushButton1, *data);
    EXPECT_FALSE(PrintBoardWindow::existing()) << "the clean board was closed for the drop";
    EXPECT_EQ(Module1::DragAndDropFlag, QStringLiteral("Image"));
    window().CancelButton->click();
    EXPECT_EQ(boardText(), QStringLiteral("unchanged"));
    EXPECT_FALSE(PrintBoardWindow::existing()) << "Cancel leaves the board closed";
    EXPECT_EQ(clipboardFormats(), before);

    // The next drop's Add Note opens it again, since the first drop closed it.
    drop(main().PushButton1, *data);
    QTest::keyClicks(window().AddNoteEditFieldDragAndDrop, QStringLiteral("n"));
    window().AddNoteDandDSave->click();
    ASSERT_TRUE(PrintBoardWindow::existing());
    EXPECT_TRUE(PrintBoardWindow::existing()->isVisible());
    PrintBoardWindow::existing()->close();

    QFile::remove(Files::resolve(Settings::PrintBoard));
    drop(main().PushButton1, *data);
    QTest::keyClicks(window().AddNoteEditFieldDragAndDrop, QStringLiteral("n"));
    window().AddNoteDandDSave->click();
    EXPECT_EQ(sim().messages().last(),
              QStringLiteral("Vellora could not find the PrintBoard.  Please try again"));
    EXPECT_EQ(boardText(), QStringLiteral("<missing>"));
    EXPECT_EQ(clipboardFormats(), before);
}

} // namespace
