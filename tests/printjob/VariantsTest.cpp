#include "VelloraTest.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/WASTEfield.h"
#include "platform/Wording.h"
#include "printjob/Messages.h"
#include "printjob/Stamp.h"

namespace {

class PrintVariants : public VelloraTest {
protected:
    void SetUp() override {
        VelloraTest::SetUp();
        Clipboard::setMimeData(richUserClipboard());
        before = clipboardFormats();
        editorSelects(QStringLiteral("the selection"));
    }
    void press(PaletteButton* button) {
        button->click();
        settle();
    }
    std::vector<SimDesktop::EventKind> kinds() {
        std::vector<SimDesktop::EventKind> out;
        for (const auto& e : sim().events())
            if (e.kind == SimDesktop::EventKind::PageSetup ||
                e.kind == SimDesktop::EventKind::Print)
                out.push_back(e.kind);
        return out;
    }
    Formats before;
};

TEST_F(PrintVariants, TheStandalonePageSetupIsUsedByEveryLaterPrintOfThePrintField) {
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                         QMarginsF(10, 10, 10, 10));
    sim().setPageSetupChoice(a5);
    press(main().PageSetUpPushButton);
    EXPECT_TRUE(sim().prints().empty()) << "the button alone prints nothing";
    EXPECT_EQ(sim().GetFrontProcessCreator(), Desktop::GetMyCreator());
    editorSelects(QStringLiteral("the selection"));
    press(main().VLPrintOneCopyNoStamp);
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].layout.isEquivalentTo(a5));
}

TEST_F(PrintVariants, APageSetupErrorStopsTheJobWithTheClipboardBack) {
    for (PaletteButton* b : {main().VLPrintMultpleCopiesNoStamp, main().VLPrintMultipleCopies}) {
        SCOPED_TRACE(b->objectName().toStdString());
        sim().clearRecord();
        sim().scriptPageSetupResult(-50);
        editorSelects(b->objectName());
        press(b);
        EXPECT_TRUE(sim().prints().empty());
        EXPECT_EQ(sim().messages(), QStringList{QStringLiteral("Page Setup Error: -50")});
        EXPECT_EQ(sim().beeps(), 1);
        EXPECT_EQ(clipboardFormats(), before);
        EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("mousepad"));
        EXPECT_TRUE(main().EditField2->Text().isEmpty());
        EXPECT_TRUE(main().NewEditfield3->Text().isEmpty());
    }
}

TEST_F(PrintVariants, ACancelledPageSetupStillShowsThePrintDialog) {
    sim().scriptPageSetupResult(-128);
    press(main().VLPrintMultpleCopiesNoStamp);
    EXPECT_EQ(kinds(),
              (std::vector{SimDesktop::EventKind::PageSetup, SimDesktop::EventKind::Print}));
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_EQ(sim().prints()[0].text, QStringLiteral("the selection"));
    EXPECT_TRUE(sim().messages().isEmpty());
    EXPECT_EQ(clipboardFormats(), before);
}

TEST_F(PrintVariants, ThePageSetupStampJobLeavesItsStampAndNoStampDoesNotUseIt) {
    press(main().VLPrintMultipleCopies);
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(main().NewEditfield3->Text().endsWith(Stamp::PrintSeparator));
    editorSelects(QStringLiteral("plain one"));
    press(main().VLPrintOneCopyNoStamp);
    ASSERT_EQ(sim().prints().size(), 2u);
    EXPECT_EQ(sim().prints()[1].text, QStringLiteral("plain one"));
    // A print error does not leave the stamp behind.
    editorSelects(QStringLiteral("third"));
    sim().scriptPrintResult(-1);
    press(main().VLPrintMultipleCopies);
    EXPECT_TRUE(main().NewEditfield3->Text().isEmpty());
    EXPECT_EQ(sim().messages().last(), QStringLiteral("Print Error: -1"));
}

TEST_F(PrintVariants, OnlyTheOneCopyNoStampJobHidesTheWindowWhenNothingIsCopied) {
    for (PaletteButton* b : {main().VLPrintOneCopy, main().VLPrintMultpleCopiesNoStamp,
                             main().VLPrintMultipleCopies, main().VLPrintOneCopyNoStamp}) {
        SCOPED_TRACE(b->objectName().toStdString());
        main().show();
        sim().clearRecord();
        sim().selectText(QStringLiteral("mousepad"), QString());
        sim().app(QStringLiteral("mousepad"))->selection.clear();
        press(b);
        EXPECT_EQ(sim().messages(), QStringList{Wording::forDesktop(Messages::NothingSelected)});
        EXPECT_EQ(main().isVisible(), b != main().VLPrintOneCopyNoStamp);
        EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("mousepad"));
        EXPECT_EQ(clipboardFormats(), before);
    }
}

} // namespace
