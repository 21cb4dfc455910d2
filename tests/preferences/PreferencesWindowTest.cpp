#include "VelloraTest.h"

#include "app/Module1.h"
#include "display/DrawerWindow.h"
#include "platform/Files.h"
#include "preferences/PreferencesWindow.h"
#include "settings/Settings.h"

#include <QFile>
#include <QTest>

namespace {

const QString kDisplayRefusal = QStringLiteral(
    "To disable this preference item, you must select one of the other display preference items.");
const QString kDropRefusal = QStringLiteral(
    "To disable this preference item, you must select one of the other drag-and-drop preference "
    "items.");

class PreferencesTest : public VelloraTest {
protected:
    PreferencesWindow& open() {
        main().PreferencesPushButton->click();
        return PreferencesWindow::instance();
    }
    void click(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    QByteArray file(const QString& name) {
        QFile f(Files::resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QString& name, const QByteArray& bytes) {
        QFile f(Files::resolve(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(PreferencesTest, ExclusiveGroupsWorkLikeRadioButtonsAndRefuseUncheckingTheCheckedBox) {
    PreferencesWindow& w = open();
    struct Group {
        QList<PreferenceBox*> boxes;
        QString refusal;
        QStringList prefs; // what each box sets at once, empty for the display group
    } groups[] = {
        {{w.MainWindowDefaultViewCheckBox, w.DefaultViewPrefCheckbox,
          w.DrawerWindowDefaultViewCheckBox},
         kDisplayRefusal,
         {}},
        {{w.DragNDropPrefNoStampCheckBox, w.DragNDropPrefWithStampCheckBox,
          w.DragNDropPrefWStampAndNoteStampCheckBox},
         kDropRefusal,
         {QStringLiteral("No Stamp"), QStringLiteral("With Stamp"), QStringLiteral("With Note")}},
    };
    for (const Group& g : groups) {
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(g.boxes[i]->objectName().toStdString());
            sim().clearRecord();
            click(g.boxes[i]); // an unchecked box: checked, the others unchecked
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(g.boxes[j]->isChecked(), i == j);
            if (!g.prefs.isEmpty()) {
                EXPECT_EQ(Module1::DragAndDropPrintPref, g.prefs[i]) << "takes effect at once";
            }
            EXPECT_TRUE(sim().messages().isEmpty());
            click(g.boxes[i]); // the checked box: refused
            EXPECT_TRUE(g.boxes[i]->isChecked());
            EXPECT_EQ(sim().messages(), QStringList{g.refusal});
            EXPECT_EQ(sim().beeps(), 1);
        }
    }
}

TEST_F(PreferencesTest, IndependentBoxesFlipTheirFlagOncePerClickAndTheDrawerFollowsAtOnce) {
    PreferencesWindow& w = open();
    DrawerWindow& drawer = DrawerWindow::instance();
    for (bool expected : {true, false, true}) {
        click(w.KeyboardShortcutPrefCheckbox);
        EXPECT_EQ(Module1::ShortCutsEnabled, expected);
        EXPECT_EQ(w.KeyboardShortcutPrefCheckbox->isChecked(), expected);
        click(w.MinDrawerWindowCheckBox);
        EXPECT_EQ(Module1::MinimizeDrawerWindow, expected);
        EXPECT_EQ(drawer.width(), expected ? 82 : 240);
    }
}

TEST_F(PreferencesTest, OpenLoadsTheFilesAndCloseWritesThemInOrder) {
    PreferencesWindow::existing()->close();
    settle();
    put(Settings::Shortcuts, "kSeNaBlEdTrUe\n");
    put(Settings::DisplayPreference, "DrawerWindowTrue\n");
    put(Settings::MinimizedDrawer, "DWMinimizeTrue\n");
    put(Settings::DragAndDrop, "with note\n");
    Module1::ShortCutsEnabled = false;
    PreferencesWindow& w = open();
    EXPECT_TRUE(w.KeyboardShortcutPrefCheckbox->isChecked());
    EXPECT_TRUE(Module1::ShortCutsEnabled);
    EXPECT_TRUE(w.DrawerWindowDefaultViewCheckBox->isChecked());
    EXPECT_FALSE(w.MainWindowDefaultViewCheckBox->isChecked());
    EXPECT_TRUE(w.MinDrawerWindowCheckBox->isChecked());
    EXPECT_TRUE(w.DragNDropPrefWStampAndNoteStampCheckBox->isChecked());
    EXPECT_EQ(Module1::DragAndDropPrintPref, QStringLiteral("With Note"));
    EXPECT_TRUE(Module1::PreferrenceWindowIsVisible);

    // Two display boxes checked: the later in the order printer, Drawer, Full Display wins.
    w.DefaultViewPrefCheckbox->setChecked(true);
    w.MainWindowDefaultViewCheckBox->setChecked(true);
    w.close();
    EXPECT_FALSE(Module1::PreferrenceWindowIsVisible);
    EXPECT_EQ(file(Settings::DisplayPreference), QByteArray("MainDisplayTrue\n"));
    EXPECT_EQ(file(Settings::DragAndDrop), QByteArray("With Note\n"));
    EXPECT_EQ(file(Settings::Shortcuts), QByteArray("KsEnabledTrue\n"));
    EXPECT_EQ(file(Settings::MinimizedDrawer), QByteArray("DWMinimizeTrue\n"));
}

TEST_F(PreferencesTest, AtTheFirstStartOnlyTheSwitchFilesAreWrittenAboutOneSecondLater) {
    clock.advance(900);
    EXPECT_EQ(file(Settings::Shortcuts), QByteArray("<missing>"));
    clock.advance(200);
    EXPECT_FALSE(PreferencesWindow::existing());
    EXPECT_EQ(file(Settings::Shortcuts), QByteArray("KsEnabledFalse\n"));
    EXPECT_EQ(file(Settings::MinimizedDrawer), QByteArray("DWMinimizeFalse\n"));
    EXPECT_EQ(file(Settings::DisplayPreference), QByteArray("<missing>"));
    EXPECT_EQ(file(Settings::DragAndDrop), QByteArray("<missing>"));
    EXPECT_TRUE(Module1::DragAndDropPrintPref.isEmpty());
}

TEST_F(PreferencesTest, UnrecognisedLinesAreLeftAloneByAnExclusiveGroup) {
    PreferencesWindow::existing()->close();
    put(Settings::DisplayPreference, "IconifyTrue \n");
    PreferencesWindow& w = open();
    EXPECT_FALSE(w.DefaultViewPrefCheckbox->isChecked());
    w.close();
    EXPECT_EQ(file(Settings::DisplayPreference), QByteArray("IconifyTrue \n"));
}

TEST_F(PreferencesTest, LaysOutTheBoxesWithTheirTwoLineCaptions) {
    PreferencesWindow& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vellora Preferences"));
    EXPECT_EQ(w.size(), QSize(254, 398));
    EXPECT_EQ(w.DefaultViewPrefCheckbox->geometry(), QRect(74, 66, 110, 26));
    EXPECT_EQ(w.DefaultViewPrefCheckbox->text(),
              QStringLiteral(" Desktop Printer\n is Default View"));
    EXPECT_EQ(w.SetViewKeyboardShorcutsPushButton->geometry(), QRect(37, 246, 180, 18));
    EXPECT_EQ(w.DragNDropPrefWStampAndNoteStampCheckBox->geometry(), QRect(74, 372, 116, 20));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

} // namespace
