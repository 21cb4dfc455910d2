#include "VelloraTest.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/WASTEfield.h"
#include "printjob/AddNoteWindow.h"
#include "printjob/Stamp.h"

#include <QMimeData>
#include <QTest>

namespace {

const QString kUrl = QStringLiteral("https://news.example/story.html");

struct PageCase {
    const char* name;
    const char* source; // creator code of the application in front
    bool withNote;
    bool browserAnswers; // the browser's address bar copies its address
    QString middle;      // what stands between the selection and the date line
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class StampedPage : public VelloraTest, public ::testing::WithParamInterface<PageCase> {};

// The selection, then the stamp: checked character by character, with the moment the second
// timer fired (two seconds after the button, one second after Add Note).
TEST_P(StampedPage, PrintsTheSelectionThenTheStamp) {
    const PageCase& c = GetParam();
    const QString source = QString::fromLatin1(c.source);
    auto& app = sim().addApp(source);
    if (c.browserAnswers)
        app.addressBar = kUrl;
    sim().selectText(source, QStringLiteral("Selected paragraph."));
    sim().setFront(source);
    const QDateTime clicked = clock.now();

    if (c.withNote) {
        main().PrintOneCopyWNote->click();
        AddNoteWindow& note = AddNoteWindow::instance();
        QTest::keyClicks(note.EditField3, QStringLiteral("check the figures"));
        note.AddNoteButton->click();
    } else {
        main().VLPrintOneCopy->click();
    }
    settle();

    const QDateTime fired = clicked.addMSecs(c.withNote ? 1000 : 2000);
    const QString expected = QStringLiteral("Selected paragraph.") + c.middle +
                             Stamp::dateText(fired) + QStringLiteral("  ") +
                             Stamp::timeText(fired) + QStringLiteral("\r") + Stamp::PrintSeparator;
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].text, expected);
    EXPECT_EQ(Module1::FrontMostApp, source);
    EXPECT_EQ(sim().GetFrontProcessCreator(), source);
    // The stamp keeps the stamp field's own style.
    const auto& last = sim().prints()[0].runs.back();
    EXPECT_EQ(last.family, QStringLiteral("Lucida Grande"));
    EXPECT_EQ(last.pointSize, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StampedPage,
    ::testing::Values(
        PageCase{"DateStampFromAnEditor", "mousepad", false, true, QStringLiteral("\r\r")},
        PageCase{"DateStampFromSafari", "sfri", false, true,
                 QStringLiteral("\r\r") + kUrl + "\r\r"},
        PageCase{"DateStampFromFirefox", "MOZB", false, true,
                 QStringLiteral("\r\r") + kUrl + "\r\r"},
        PageCase{"AddressScriptFails", "sfri", false, false, QStringLiteral("\r\r\r\r\r\r")},
        PageCase{"NoteFromAnEditor", "mousepad", true, true,
                 QStringLiteral("\r\rNote: check the figures\r\r")},
        PageCase{"NoteFromSafari", "sfri", true, true,
                 QStringLiteral("\r\r") + kUrl + "\r\rNote: check the figures\r\r"}),
    [](const ::testing::TestParamInfo<PageCase>& p) { return std::string(p.param.name); });

class StampTest : public VelloraTest {};

TEST_F(StampTest, TheAddressTheBrowserAttachedIsUsedAsPlainTextWithoutPostingKeys) {
    auto& firefox = sim().addApp(QStringLiteral("MOZB"));
    firefox.addressBar = QStringLiteral("https://wrong.example/");
    firefox.selection.insert(QStringLiteral("text/plain"), "quote");
    firefox.selection.insert(QStringLiteral("text/html"), "<i>quote</i>");
    const QString page = QStringLiteral("https://a.example/<b>x</b>");
    firefox.selection.insert(
        QStringLiteral("text/x-moz-url-priv"),
        QByteArray(reinterpret_cast<const char*>(page.utf16()), page.size() * 2));
    sim().setFront(QStringLiteral("MOZB"));
    main().VLPrintOneCopy->click();
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.startsWith(QStringLiteral("quote\r\r") + page + "\r\r"))
        << sim().prints()[0].text.toStdString();
    EXPECT_FALSE(sim().postedKeys().contains(QStringLiteral("Ctrl+L")));
}

TEST_F(StampTest, ThePictureOfABrowserIsPrintedWithTheStampAndTheAddress) {
    auto& safari = sim().addApp(QStringLiteral("sfri"));
    safari.addressBar = kUrl;
    safari.selectedPicture = picture(40, 30, Qt::darkGreen);
    sim().setFront(QStringLiteral("sfri"));
    main().VLPrintOneCopy->click();
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].pictures.size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.startsWith(QString(QChar::ObjectReplacementCharacter) +
                                                  "\r\r" + kUrl + "\r\r"));
}

TEST_F(StampTest, NoteJobsTellSafariByTheApplicationInFrontWhenTheTimerFires) {
    auto& safari = sim().addApp(QStringLiteral("sfri"));
    safari.addressBar = kUrl;
    sim().selectText(QStringLiteral("sfri"), QStringLiteral("from safari"));
    sim().setFront(QStringLiteral("sfri"));
    main().PrintOneCopyWNote->click();
    QTest::keyClicks(AddNoteWindow::instance().EditField3, QStringLiteral("n"));
    AddNoteWindow::instance().AddNoteButton->click();
    sim().setFront(QStringLiteral("mousepad")); // the user went elsewhere within the second
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_FALSE(sim().prints()[0].text.contains(kUrl));

    // Firefox goes by the application the job started from, whatever is in front later.
    sim().clearRecord();
    auto& firefox = sim().addApp(QStringLiteral("MOZB"));
    firefox.addressBar = kUrl;
    sim().selectText(QStringLiteral("MOZB"), QStringLiteral("from firefox"));
    sim().setFront(QStringLiteral("MOZB"));
    main().PrintOneCopyWNote->click();
    QTest::keyClicks(AddNoteWindow::instance().EditField3, QStringLiteral("n"));
    AddNoteWindow::instance().AddNoteButton->click();
    sim().setFront(QStringLiteral("mousepad"));
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.contains(kUrl));
}

TEST_F(StampTest, OneDateAndTimeFormatWithSeconds) {
    const QDateTime moment(QDate(2026, 12, 11), QTime(14, 5, 9));
    EXPECT_EQ(Stamp::dateAndTime(moment), QStringLiteral("Friday, December 11, 2026  2:05:09 PM"));
    EXPECT_EQ(Stamp::PrintSeparator.size(), 62);
    EXPECT_EQ(Stamp::PrintBoardSeparator.size(), 52);
}

} // namespace
