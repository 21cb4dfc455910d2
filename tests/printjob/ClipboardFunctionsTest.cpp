#include "VelloraTest.h"

#include "platform/Clipboard.h"
#include "platform/WASTEfield.h"
#include "platform/Wording.h"
#include "printjob/Messages.h"

namespace {

class ClipboardFunctions : public VelloraTest {
protected:
    void print() { main().PrintClipboardPushButton->click(); }
};

TEST_F(ClipboardFunctions, PrintsTextAndPicturesAndLeavesTheClipboardAsItWas) {
    Clipboard::setMimeData(richUserClipboard());
    const Formats before = clipboardFormats();
    print();
    print(); // no repeat check here
    ASSERT_EQ(sim().prints().size(), 2u);
    EXPECT_EQ(sim().prints()[1].text, QStringLiteral("the user's own text\rsecond line"));
    EXPECT_EQ(clipboardFormats(), before);
    EXPECT_TRUE(main().WASTEfield1->Text().isEmpty());
    EXPECT_EQ(sim().GetFrontProcessCreator(), Desktop::GetMyCreator())
        << "the user's application is not brought back";

    Clipboard::setPicture(picture(20, 10, Qt::magenta));
    print();
    EXPECT_EQ(sim().prints().back().pictures.size(), 1u);
}

TEST_F(ClipboardFunctions, AnEmptyClipboardGetsTheMessageAndAnErrorHasNoBeep) {
    print();
    EXPECT_TRUE(sim().prints().empty());
    EXPECT_EQ(sim().messages(), QStringList{Wording::forDesktop(Messages::EmptyClipboardPrint)});
    EXPECT_EQ(sim().beeps(), 1);

    sim().clearRecord();
    Clipboard::setText(QStringLiteral("x"));
    sim().scriptPrintResult(-108);
    print();
    EXPECT_EQ(sim().messages(), QStringList{QStringLiteral("Printing Error: -108")});
    EXPECT_EQ(sim().beeps(), 0);
    EXPECT_TRUE(main().WASTEfield1->Text().isEmpty());
}

TEST_F(ClipboardFunctions, ClearLeavesAnEmptyTextThatPrintsAsAnEmptyPage) {
    Clipboard::setMimeData(richUserClipboard());
    main().ClearClipboardPushButton->click();
    EXPECT_TRUE(Clipboard::offersText());
    EXPECT_TRUE(Clipboard::text().isEmpty());
    EXPECT_FALSE(Clipboard::offersPicture());
    print();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.isEmpty());
}

} // namespace
