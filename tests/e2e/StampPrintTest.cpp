#include "E2eTest.h"

namespace {

const QString kParagraph = QStringLiteral("Seven quick zebras jump over the lazy brown dog\n"
                                          "while the river keeps running under the old bridge");
const QString kUsersClipboard = QStringLiteral("The user's own Clipboard: caf\u00e9 au lait");
const QString kNote = QStringLiteral("Check the figures before Monday");

// Checks that a page ends with a stamp of a moment between from and to.
void expectStampAtTheEnd(const QStringList& page, const QDateTime& from, const QDateTime& to) {
    ASSERT_GE(page.size(), 2);
    EXPECT_EQ(page.back(), kStampSeparator);
    const QDateTime moment = stampMoment(page[page.size() - 2]);
    ASSERT_TRUE(moment.isValid()) << "no date line: " << page[page.size() - 2].toStdString();
    // The stamp tells the second in which the job began to print, after the copy.
    EXPECT_GE(moment, from.addSecs(-1)) << moment.toString().toStdString();
    EXPECT_LE(moment, to.addSecs(1)) << moment.toString().toStdString();
}

// The W/Date Stamp job on the selection of the window in front, from the click to the
// printed page; checks the stamp at the page's end and that everything is given back.
template <class Base> class DateStampJob : public Base {
protected:
    QStringList printDateStamp() {
        EXPECT_TRUE(this->desk.setClipboard(kUsersClipboard));
        this->desk.key(QStringLiteral("ctrl+a"));
        const QSet<QString> before = this->pdfFiles();
        const QDateTime clicked = QDateTime::currentDateTime();
        this->clickPalette(PaletteControls::DateStamp);
        const QStringList page = this->printThroughTheDialog(before);
        expectStampAtTheEnd(page, clicked, QDateTime::currentDateTime());
        this->expectGivenBack(kUsersClipboard);
        return page;
    }
};

using StampPrint = DateStampJob<E2eTest>;

TEST_F(StampPrint, DateStampFromTheEditorEndsWithTheDateLineAndTheSeparator) {
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kParagraph));
    const QStringList page = printDateStamp();
    ASSERT_EQ(page.size(), 5) << page.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(page.mid(0, 3), kParagraph.split(QLatin1Char('\n')) << QString());
}

TEST_F(StampPrint, DateNoteCarriesTheNoteTypedIntoTheNoteWindow) {
    ASSERT_NO_FATAL_FAILURE(typeIntoEditor(kParagraph));
    ASSERT_TRUE(desk.setClipboard(kUsersClipboard));
    desk.key(QStringLiteral("ctrl+a"));
    const QSet<QString> before = pdfFiles();

    clickPalette(PaletteControls::DateNote);
    const PrivateDesktop::WindowId note =
        waitForVelloraWindow(QStringLiteral("Add a Note to Your Selection"));
    ASSERT_NE(note, 0u) << "the note window did not open";
    ASSERT_TRUE(waitUntil([&] { return desk.activeWindow() == note; }, 10000))
        << "the note window did not take the keyboard; active: "
        << desk.windowName(desk.activeWindow()).toStdString();
    desk.type(kNote);
    const QDateTime added = QDateTime::currentDateTime();
    desk.click(desk.clientGeometry(note).topLeft() + QRect(202, 272, 76, 20).center());

    const QStringList page = printThroughTheDialog(before);
    const QDateTime printed = QDateTime::currentDateTime();
    ASSERT_EQ(page.size(), 7) << page.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(page.mid(0, 5), kParagraph.split(QLatin1Char('\n'))
                                  << QString() << QStringLiteral("Note: ") + kNote << QString());
    expectStampAtTheEnd(page, added, printed);
    EXPECT_FALSE(desk.visibleWindows(QStringLiteral("vellora")).contains(note))
        << "the note window stayed open";
    expectGivenBack(kUsersClipboard);
}

class BrowserStampPrint : public DateStampJob<BrowserE2eTest> {
protected:
    // The copy keeps the page's style; at the stamp's size the printed blank lines read back
    // as blank lines.
    int pageFontPixels() const override { return 16; }
};

TEST_F(BrowserStampPrint, DateStampFromTheBrowserCarriesThePageAddressAboveTheDate) {
    const QStringList page = printDateStamp();
    ASSERT_EQ(page.size(), 6) << page.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(page.mid(0, 4), QStringList({kPageText, QString(), pageAddress(), QString()}));
}

} // namespace
