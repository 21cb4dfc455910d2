#include "VelloraTest.h"

#include "app/Class1.h"
#include "app/Module1.h"
#include "display/FullDisplay.h"
#include "display/HelpTags.h"
#include "menus/Menu.h"
#include "platform/Clipboard.h"
#include "platform/WASTEfield.h"

#include <QAction>
#include <QEnterEvent>
#include <QTest>
#include <QToolButton>

namespace {

class FullDisplayTest : public VelloraTest {
protected:
    int sw() { return sim().screenSize().width(); }
    QList<QWidget*> nine() {
        return {main().QuitButton,
                main().VLHelp,
                main().VLPrintMultipleCopies,
                main().PrintMultipleCopiesWNote,
                main().VLPrintOneCopy,
                main().PrintOneCopyWNote,
                main().HelpTagsCheckbox,
                main().LittleArrows1,
                main().PreferencesPushButton};
    }
    void expectFullDisplay() {
        EXPECT_EQ(main().size(), QSize(176, 374));
        EXPECT_EQ(main().windowTitle(), QStringLiteral("Vellora"));
        EXPECT_EQ(main().IconifyButton->geometry(), QRect(137, 7, 36, 38));
        for (QWidget* w : nine())
            EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    }
    void expectDesktopPrinter(const QString& tag) {
        EXPECT_EQ(main().size(), QSize(36, 38));
        EXPECT_EQ(main().windowTitle(), QStringLiteral("VL"));
        EXPECT_EQ(main().IconifyButton->geometry(), QRect(0, 1, 36, 38));
        EXPECT_TRUE(main().IconifyButton->isVisible());
        EXPECT_EQ(HelpTags::of(main().IconifyButton), tag);
        for (QWidget* w : nine())
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    }
    void view(const char* item) {
        Class1::instance().menu().item(QString::fromLatin1(item))->trigger();
    }
    void enterPrinterButton() {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(main().IconifyButton, &enter);
    }
};

TEST_F(FullDisplayTest, ThePrinterButtonSwitchesBothWaysWithItsFlagsTitlesAndTags) {
    EXPECT_EQ(HelpTags::of(main().IconifyButton), FullDisplay::kTagAsCreated);
    main().IconifyButton->click();
    expectDesktopPrinter(FullDisplay::kTagDesktopPrinter);
    EXPECT_TRUE(Module1::DisplayVelloraWindow);
    EXPECT_TRUE(Module1::VelloraVisible);
    EXPECT_FALSE(Module1::DisplayDrawWindow);

    Module1::VelloraVisible = false;
    main().IconifyButton->click();
    expectFullDisplay();
    EXPECT_EQ(HelpTags::of(main().IconifyButton), FullDisplay::kTagFullDisplay);
    EXPECT_TRUE(Module1::VelloraVisible);
}

TEST_F(FullDisplayTest, KeepsTheWindowOnTheScreenHorizontallyInBothDirections) {
    struct Row {
        int left;
        int asPrinter;
        int backToFull;
    };
    const int w = sw();
    const Row rows[] = {
        {0, 2, 2},
        {1, 2, 2},
        {2, 2, 2},
        {w - 30, w - 36, w - 180},
        {w - 36, w - 36, w - 180},
        {w + 50, w - 36, w - 180},
        {w - 181, w - 181, w - 181},
        {w - 179, w - 179, w - 180},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.left);
        main().setLeft(r.left);
        main().IconifyButton->click();
        EXPECT_EQ(main().Left(), r.asPrinter);
        main().IconifyButton->click();
        EXPECT_EQ(main().Left(), r.backToFull);
    }
    main().setTop(-500); // the top edge is never corrected
    main().IconifyButton->click();
    EXPECT_EQ(main().Top(), -500);
}

TEST_F(FullDisplayTest, WindowshadeArrowsMoveThroughTheFourStagesOnly) {
    struct Row {
        int height;
        int afterUp;
        int afterDown;
    };
    const Row rows[] = {
        {374, 301, 374}, {301, 182, 374}, {182, 135, 301}, {135, 135, 182}, {250, 250, 250}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.height);
        main().setSize(176, r.height);
        Q_EMIT main().LittleArrows1->Up();
        EXPECT_EQ(main().height(), r.afterUp);
        main().setSize(176, r.height);
        main().LittleArrows1->downButton()->click();
        EXPECT_EQ(main().height(), r.afterDown);
    }
}

TEST_F(FullDisplayTest, ThePrinterButtonRestoresAWindowshadedDisplayAtFullHeight) {
    main().setSize(176, 135);
    main().IconifyButton->click();
    main().IconifyButton->click();
    EXPECT_EQ(main().height(), 374);
}

TEST_F(FullDisplayTest, ViewFullDisplayKeepsAWindowshadeAndRestoresADesktopPrinter) {
    main().setSize(176, 182);
    view("ViewFullDisplay");
    EXPECT_EQ(main().height(), 182);
    main().IconifyButton->click();
    main().hide();
    view("ViewFullDisplay");
    EXPECT_TRUE(main().isVisible());
    expectFullDisplay();
    EXPECT_EQ(Module1::DisplayLastVisible, QStringLiteral("Vellora1"));
}

TEST_F(FullDisplayTest, ViewDesktopPrinterShowsAHiddenMainWindow) {
    main().hide();
    view("ViewDesktopPrinter");
    EXPECT_TRUE(main().isVisible());
    expectDesktopPrinter(FullDisplay::kTagDesktopPrinterFromView);
    EXPECT_EQ(Module1::DisplayLastVisible, QStringLiteral("Vellora1"));
    EXPECT_TRUE(Module1::VelloraVisible);
}

TEST_F(FullDisplayTest, ViewDrawerRecordsTheDrawerAndHidesTheMainWindow) {
    view("ViewDrawer");
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(Module1::DisplayDrawWindow);
    EXPECT_FALSE(Module1::DisplayVelloraWindow);
    EXPECT_TRUE(Module1::DrawerWindowVisible);
    EXPECT_EQ(Module1::DisplayLastVisible, QStringLiteral("DrawerWindow"));
}

TEST_F(FullDisplayTest, CtrlClickPrintsTheClipboardInBothModesWithoutSwitching) {
    for (bool printer : {false, true}) {
        SCOPED_TRACE(printer);
        sim().clearRecord();
        if (printer)
            main().IconifyButton->click();
        Clipboard::setText(QStringLiteral("on the Clipboard"));
        sim().setCommandKey(true);
        main().IconifyButton->click();
        sim().setCommandKey(false);
        ASSERT_EQ(sim().prints().size(), 1u);
        EXPECT_EQ(sim().prints()[0].text, QStringLiteral("on the Clipboard"));
        EXPECT_EQ(FullDisplay::isDesktopPrinter(main()), printer);
        EXPECT_EQ(Clipboard::text(), QStringLiteral("on the Clipboard"));
    }
}

TEST_F(FullDisplayTest, PointerEntryStashesTheClipboardUnlessItHoldsOnlyTheMarker) {
    WASTEfield& saved = *main().SaveOldClipboardWASTEfield;
    saved.SetText(QStringLiteral("earlier"));
    Clipboard::setText(QStringLiteral("1"));
    enterPrinterButton();
    EXPECT_EQ(saved.Text(), QStringLiteral("earlier"));

    Clipboard::setText(QStringLiteral("user text"));
    enterPrinterButton();
    EXPECT_EQ(saved.Text(), QStringLiteral("user text"));

    Clipboard::setPicture(picture(6, 6, Qt::red));
    enterPrinterButton();
    EXPECT_EQ(saved.Text(), QString(QChar::ObjectReplacementCharacter));
}

TEST_F(FullDisplayTest, ABackgroundClickBringsVelloraForwardAndAButtonClickDoesNot) {
    QTest::mouseClick(main().VLPrintOneCopyNoStamp, Qt::LeftButton);
    EXPECT_EQ(sim().GetFrontProcessCreator(), QStringLiteral("mousepad"));
    QTest::mouseClick(&main(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(sim().GetFrontProcessCreator(), Desktop::GetMyCreator());
}

TEST_F(FullDisplayTest, LaysOutEveryControlAtItsPlace) {
    struct Row {
        const char* name;
        QRect geometry;
        const char* caption;
    } rows[] = {
        {"QuitButton", {3, 7, 34, 37}, "Quit"},
        {"VLPrintOneCopyNoStamp", {3, 81, 69, 20}, "No Stamp"},
        {"VLPrintOneCopy", {79, 81, 94, 20}, "W/Date Stamp"},
        {"PrintOneCopyWNote", {45, 109, 88, 20}, "W/Date+Note"},
        {"PageSetUpPushButton", {45, 157, 88, 20}, "Page Setup"},
        {"ClipboardToPrintBoardPushButton", {30, 212, 116, 20}, "Save to PrintBoard"},
        {"PrintClipboardPushButton", {14, 240, 69, 20}, "Print"},
        {"ClearClipboardPushButton", {93, 240, 69, 20}, "Clear"},
        {"PushButton1", {33, 277, 110, 20}, "Open PrintBoard"},
        {"PreferencesPushButton", {45, 314, 88, 20}, "Preferences"},
        {"VLHelp", {3, 344, 69, 20}, "Help"},
        {"VLPrintMultipleCopies", {211, 157, 94, 20}, "W/Date Stamp"},
        {"PrintMultipleCopiesWNote", {221, 185, 88, 20}, "W/Date+Note"},
        {"VLPrintMultpleCopiesNoStamp", {211, 205, 69, 20}, "No Stamp"},
    };
    for (const Row& r : rows) {
        auto* b = main().findChild<QPushButton*>(QString::fromLatin1(r.name));
        ASSERT_TRUE(b) << r.name;
        EXPECT_EQ(b->geometry(), r.geometry) << r.name;
        EXPECT_EQ(b->text(), QString::fromLatin1(r.caption));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << r.name << " would take the activation";
    }
    EXPECT_EQ(main().HelpTagsCheckbox->text(), QStringLiteral("   Show Help Tags"));
    EXPECT_TRUE(main().windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(main().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_LT(main().EditField2->geometry().left(), 0);
}

} // namespace
