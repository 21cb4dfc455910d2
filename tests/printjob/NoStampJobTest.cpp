#include "VelloraTest.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/WASTEfield.h"
#include "platform/Wording.h"
#include "printjob/Messages.h"

#include <QApplication>
#include <functional>

namespace {

const QString kEditor = QStringLiteral("mousepad");
const QString kMe = Desktop::GetMyCreator();

struct ExitCase {
    std::string name;
    std::function<void(SimDesktop&)> arrange;
    int printCode = 0;
    QString printedText; // null when nothing reaches the printer
    int printedPictures = 0;
    QString message; // null when no message is shown
    bool mainVisible = true;
    QString frontAfter = kEditor;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class NoStampExits : public VelloraTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(NoStampExits, EndsAsDesignedAndGivesTheClipboardBack) {
    const ExitCase& c = GetParam();
    Clipboard::setMimeData(richUserClipboard());
    const Formats before = clipboardFormats();
    c.arrange(sim());
    if (c.printCode)
        sim().scriptPrintResult(c.printCode);

    main().VLPrintOneCopyNoStamp->click();
    settle();

    if (c.printedText.isNull()) {
        EXPECT_TRUE(sim().prints().empty());
    } else {
        ASSERT_EQ(sim().prints().size(), 1u);
        EXPECT_EQ(sim().prints()[0].text, c.printedText);
        EXPECT_EQ(int(sim().prints()[0].pictures.size()), c.printedPictures);
    }
    if (c.message.isNull()) {
        EXPECT_TRUE(sim().messages().isEmpty())
            << sim().messages().join(QStringLiteral("|")).toStdString();
    } else {
        EXPECT_EQ(sim().messages(), QStringList{Wording::forDesktop(c.message)});
        EXPECT_EQ(sim().beeps(), 1);
    }
    EXPECT_EQ(main().isVisible(), c.mainVisible);
    EXPECT_EQ(sim().GetFrontProcessCreator(), c.frontAfter);
    EXPECT_EQ(clipboardFormats(), before) << "the user's Clipboard was not given back whole";
    EXPECT_TRUE(main().EditField2->Text().isEmpty());
    EXPECT_TRUE(main().SaveOldClipboardWASTEfield->Text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoStampExits,
    ::testing::Values(
        ExitCase{"StyledText",
                 [](SimDesktop& s) {
                     s.selectText(kEditor, QStringLiteral("Hello\nWorld"),
                                  QStringLiteral("<p><b>Hello</b></p><p>World</p>"));
                 },
                 0, QStringLiteral("Hello\rWorld")},
        ExitCase{"PictureOnly",
                 [](SimDesktop& s) { s.app(kEditor)->selectedPicture = picture(30, 20, Qt::blue); },
                 0, QString(QChar::ObjectReplacementCharacter), 1},
        ExitCase{"NothingCopied", [](SimDesktop&) {}, 0, QString(), 0, Messages::NothingSelected,
                 false},
        ExitCase{"NeitherTextNorPicture",
                 [](SimDesktop& s) {
                     s.app(kEditor)->selection.insert(QStringLiteral("application/x-private"), "x");
                 },
                 0, QString(), 0, Messages::NothingSelected, true, kMe},
        ExitCase{"ThisApplicationInFront",
                 [](SimDesktop& s) {
                     s.selectText(kEditor, QStringLiteral("text"));
                     s.setFront(kMe);
                 },
                 0, QString(), 0, Messages::ClickWindowFirst, true, kMe},
        ExitCase{"PrintCancelled",
                 [](SimDesktop& s) { s.selectText(kEditor, QStringLiteral("some text")); }, -128,
                 QStringLiteral("some text")},
        ExitCase{"PrintError",
                 [](SimDesktop& s) { s.selectText(kEditor, QStringLiteral("some text")); }, -30,
                 QStringLiteral("some text"), 0, QStringLiteral("Print Error: -30")}),
    [](const ::testing::TestParamInfo<ExitCase>& p) { return p.param.name; });

class NoStampJob : public VelloraTest {
protected:
    void press() {
        main().VLPrintOneCopyNoStamp->click();
        settle();
    }
};

TEST_F(NoStampJob, PostsExactlyTheFourKeyCopyCommandAfterOneSecond) {
    editorSelects(QStringLiteral("abc"));
    main().VLPrintOneCopyNoStamp->click();
    clock.advance(999);
    EXPECT_TRUE(sim().postedKeys().isEmpty());
    clock.advance(1);
    EXPECT_EQ(sim().postedKeys(),
              (QStringList{"Command down", "C 8 down", "C 8 up", "Command up"}));
    EXPECT_TRUE(sim().prints().empty());
    clock.advance(1000);
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(Module1::FrontMostApp, kEditor);
}

TEST_F(NoStampJob, RefusesARepeatAndPrintsTheRetryRightAfter) {
    editorSelects(QStringLiteral("Same Paragraph"));
    press();
    ASSERT_EQ(sim().prints().size(), 1u);
    editorSelects(QStringLiteral("same paragraph")); // letter case does not make it new
    press();
    EXPECT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().messages(), QStringList{Messages::Repeat});
    EXPECT_EQ(main().SaveLastJobWASTEfield->Text(), QStringLiteral("1"));
    EXPECT_EQ(sim().GetFrontProcessCreator(), kEditor);
    press();
    EXPECT_EQ(sim().prints().size(), 2u);
}

TEST_F(NoStampJob, AClipboardOfExactlyOneIsNeitherSavedNorEmptiedAndComesBack) {
    Clipboard::setText(QStringLiteral("1"));
    editorSelects(QStringLiteral("printed"));
    main().VLPrintOneCopyNoStamp->click();
    EXPECT_EQ(Clipboard::text(), QStringLiteral("1")) << "a Clipboard of \"1\" is not emptied";
    EXPECT_TRUE(main().SaveOldClipboardWASTEfield->Text().isEmpty());
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].text, QStringLiteral("printed"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("1"));
}

// The pointer passed over the printer icon earlier and stashed the Clipboard of then.
TEST_F(NoStampJob, AnEarlierStashDoesNotComeBackWithTheUsersClipboard) {
    for (const char* now : {"user text", "1"}) {
        SCOPED_TRACE(now);
        Clipboard::setText(QStringLiteral("copied before"));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(main().IconifyButton, &enter);
        Clipboard::setText(QString::fromLatin1(now));
        editorSelects(QStringLiteral("printed ") + QString::fromLatin1(now));
        press();
        EXPECT_EQ(Clipboard::text(), QString::fromLatin1(now));
    }
    EXPECT_EQ(sim().prints().size(), 2u);
}

TEST_F(NoStampJob, PlainTextTakesTheFieldStyleAndGenevaAfterTheFirstJob) {
    editorSelects(QStringLiteral("first"));
    press();
    editorSelects(QStringLiteral("second"));
    press();
    ASSERT_EQ(sim().prints().size(), 2u);
    EXPECT_EQ(sim().prints()[0].runs.at(0).family, QStringLiteral("Lucida Grande"));
    EXPECT_EQ(sim().prints()[1].runs.at(0).family, QStringLiteral("Geneva"));
    EXPECT_EQ(sim().prints()[1].runs.at(0).pointSize, 12);
    EXPECT_EQ(sim().prints()[1].runs.at(0).color, QColor(Qt::black));
}

TEST_F(NoStampJob, KeepsTheCopiedStyles) {
    editorSelects(QStringLiteral("Big red"),
                  QStringLiteral("<span style=\"font-size:20pt; color:#ff0000; font-weight:700\">"
                                 "Big red</span>"));
    press();
    ASSERT_EQ(sim().prints().size(), 1u);
    const auto& run = sim().prints()[0].runs.at(0);
    EXPECT_TRUE(run.bold);
    EXPECT_EQ(run.pointSize, 20);
    EXPECT_EQ(run.color, QColor(Qt::red));
}

TEST_F(NoStampJob, ACopyThatArrivesLateReportsNothingSelected) {
    editorSelects(QStringLiteral("slow"));
    sim().app(kEditor)->copyDelayMs = 1500;
    press();
    EXPECT_TRUE(sim().prints().empty());
    EXPECT_EQ(sim().messages(), QStringList{Messages::NothingSelected});
}

} // namespace
