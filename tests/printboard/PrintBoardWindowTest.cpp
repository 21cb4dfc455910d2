#include "PrintBoardSupport.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"

#include <QDir>

namespace {

TEST_F(PrintBoardTest, OpensEmptyWithoutAFileAtItsDefaultPlace) {
    sim().setScreenSize(QSize(1280, 800));
    main().setTop(250);
    PrintBoardWindow& w = open();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(field().Text().isEmpty());
    EXPECT_FALSE(w.SavePushButton->isEnabled());
    EXPECT_FALSE(w.PrintPrintBoardButton->isEnabled());
    EXPECT_FALSE(w.ClearPushButton->isEnabled());
    EXPECT_EQ(w.height(), 330);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(1280 - 350, 800 - 340)); // 250 + 330 is too low
    EXPECT_TRUE(Module1::PrintBoardVisible);
    EXPECT_EQ(Module1::PrintBoardMenuItems, 1);
    EXPECT_EQ(sim().postedKeys(), (QStringList{"C 123 down", "C 123 up"}));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("PrintBoard: Collect Info You Want to Print"));
    EXPECT_EQ(w.PrintBoardEditField1->geometry(), QRect(-1, 128, 302, 263));
}

TEST_F(PrintBoardTest, OpensTheSavedBoardWhereItWasEvenOffTheScreen) {
    saveBoard(QStringLiteral("kept from last time"));
    Settings::writePosition(Settings::PrintBoardPosition, QPoint(-400, 3000));
    PrintBoardWindow& w = open();
    EXPECT_EQ(field().Text(), QStringLiteral("kept from last time"));
    EXPECT_EQ(w.geometry().topLeft(), QPoint(-400, 3000));
    EXPECT_FALSE(w.hasUnsavedChanges());
    EXPECT_TRUE(w.ClearPushButton->isEnabled());
    EXPECT_EQ(Module1::OpeningPrintBoardTextValue, 19);
    w.move(50, 60);
    const QPoint closedAt = w.geometry().topLeft();
    w.close();
    EXPECT_EQ(Settings::readPosition(Settings::PrintBoardPosition), closedAt);
    EXPECT_FALSE(Module1::PrintBoardVisible);
    EXPECT_EQ(Module1::PrintBoardMenuItems, 0);
}

TEST_F(PrintBoardTest, UnsavedChangesAreJudgedByTheContent) {
    saveBoard(QStringLiteral("abcdef"));
    PrintBoardWindow& w = open();
    struct Step {
        const char* name;
        std::function<void()> edit;
        bool dirty;
    } steps[] = {
        {"type a character",
         [&] {
             field().SetSelection(6, 6);
             typeInBoard(QStringLiteral("x"));
         },
         true},
        {"and delete it again", [&] { QTest::keyClick(&field(), Qt::Key_Backspace); }, false},
        {"replace with as many characters",
         [&] {
             field().SetSelection(0, 3);
             typeInBoard(QStringLiteral("xyz"));
         },
         true},
        {"put the old ones back",
         [&] {
             field().SetSelection(0, 3);
             typeInBoard(QStringLiteral("abc"));
         },
         false},
        {"a style change",
         [&] {
             field().SetSelection(0, 2);
             field().SetSelBold(true);
         },
         true},
        {"undone", [&] { field().undo(); }, false},
        {"paste",
         [&] {
             Clipboard::setText(QStringLiteral("more"));
             field().Paste();
         },
         true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.edit();
        EXPECT_EQ(w.hasUnsavedChanges(), s.dirty);
        EXPECT_EQ(w.SavePushButton->isEnabled(), s.dirty);
    }
}

TEST_F(PrintBoardTest, EveryCloseAsksOnlyWhenThereAreChanges) {
    struct Path {
        const char* name;
        const char* button;
        bool closes;
        const char* file;
    } paths[] = {
        {"clean", nullptr, true, "old"},
        {"dirty, Save", "Save", true, "old and new"},
        {"dirty, Don't Save", "Don't Save", true, "old"},
        {"dirty, Cancel", "Cancel", false, "old"},
    };
    for (const Path& p : paths) {
        SCOPED_TRACE(p.name);
        asked.clear();
        saveBoard(QStringLiteral("old"));
        PrintBoardWindow& w = open();
        if (p.button) {
            field().SetSelection(3, 3);
            typeInBoard(QStringLiteral(" and new"));
            answer(QString::fromLatin1(p.button));
        }
        EXPECT_EQ(w.close(), p.closes);
        EXPECT_EQ(asked.size(), p.button ? 1u : 0u);
        if (p.button) {
            EXPECT_EQ(asked[0].text, SaveChangesToProjectBoard::kQuestion);
            EXPECT_TRUE(asked[0].cancelEnabled);
        }
        EXPECT_EQ(boardText(), QString::fromLatin1(p.file));
        if (!p.closes) {
            EXPECT_EQ(field().Text(), QStringLiteral("old and new"));
            answer(QStringLiteral("Don't Save"));
            w.close();
        }
        EXPECT_FALSE(Module1::PrintBoardVisible);
    }
}

TEST_F(PrintBoardTest, ADropInitiatedCloseHasNoCancelAndTheNextCloseHasItAgain) {
    saveBoard(QStringLiteral("old"));
    open();
    typeInBoard(QStringLiteral("edit "));
    sim().answerDialog(QStringLiteral("SaveChangesToProjectBoard"), [this](QDialog& d) {
        auto& dialog = static_cast<SaveChangesToProjectBoard&>(d);
        asked.push_back({dialog.StaticText1->text(), dialog.PushButton3->isEnabled()});
        dialog.PushButton1->click();
    });
    Module1::DragNDropSaveFlag = true;
    EXPECT_TRUE(PrintBoardWindow::instance().close());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, SaveChangesToProjectBoard::kDropQuestion);
    EXPECT_FALSE(asked[0].cancelEnabled);
    EXPECT_FALSE(Module1::DragNDropSaveFlag);

    open();
    typeInBoard(QStringLiteral("again "));
    answer(QStringLiteral("Cancel"));
    EXPECT_FALSE(PrintBoardWindow::instance().close());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, SaveChangesToProjectBoard::kQuestion);
    EXPECT_TRUE(asked[1].cancelEnabled);
}

TEST_F(PrintBoardTest, ClearIsUndoableAndDontSaveKeepsTheFile) {
    saveBoard(QStringLiteral("precious"));
    PrintBoardWindow& w = open();
    w.ClearPushButton->click();
    EXPECT_TRUE(field().Text().isEmpty());
    EXPECT_TRUE(w.hasUnsavedChanges());
    field().undo();
    EXPECT_EQ(field().Text(), QStringLiteral("precious"));
    EXPECT_FALSE(w.hasUnsavedChanges());
    w.ClearPushButton->click();
    answer(QStringLiteral("Don't Save"));
    w.close();
    open();
    EXPECT_EQ(field().Text(), QStringLiteral("precious"));
}

TEST_F(PrintBoardTest, TheSaveButtonSavesAndAFailedSaveStaysUnsaved) {
    PrintBoardWindow& w = open();
    typeInBoard(QStringLiteral("first words"));
    w.SavePushButton->click();
    EXPECT_EQ(boardText(), QStringLiteral("first words"));
    EXPECT_FALSE(w.SavePushButton->isEnabled());
    EXPECT_TRUE(sim().messages().isEmpty());

    typeInBoard(QStringLiteral(" and more"));
    Files::setWritesFail(true);
    w.SavePushButton->click();
    EXPECT_EQ(sim().messages(),
              QStringList{QStringLiteral("Error saving to the file:  Can't find the PrintBoard.")});
    EXPECT_TRUE(w.hasUnsavedChanges());
    EXPECT_TRUE(w.SavePushButton->isEnabled());

    // Closing with Save while the disk still fails keeps the window and its changes.
    answer(QStringLiteral("Save"));
    EXPECT_FALSE(w.close());
    EXPECT_EQ(sim().messages().last(), PrintBoardWindow::kSaveFailed);
    EXPECT_EQ(field().Text(), QStringLiteral("first words and more"));
    EXPECT_EQ(boardText(), QStringLiteral("first words"));
    Files::setWritesFail(false);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(boardText(), QStringLiteral("first words and more"));
}

TEST_F(PrintBoardTest, QuittingIsRefusedWhileThePrintBoardHasUnsavedChanges) {
    open();
    typeInBoard(QStringLiteral("unsaved"));
    Vellora1::quitApplication();
    EXPECT_EQ(sim().messages(), QStringList{Vellora1::kUnsavedPrintBoard});
    EXPECT_EQ(sim().beeps(), 1);
    ASSERT_TRUE(Vellora1::existing());
    EXPECT_TRUE(PrintBoardWindow::existing());

    PrintBoardWindow::instance().SavePushButton->click();
    EXPECT_TRUE(main().close()) << "a clean PrintBoard lets the quit go on";
    EXPECT_FALSE(Module1::PrintBoardVisible);
    EXPECT_TRUE(Settings::readPosition(Settings::MainWindowPosition).has_value());
}

TEST_F(PrintBoardTest, AnUnreadableBoardIsSetAsideAndNeverOverwritten) {
    QFile f(Files::resolve(Settings::PrintBoard));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<!DOCTYPE html><html><body>half a board");
    f.close();
    PrintBoardWindow& w = open();
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("could not be read")));
    EXPECT_TRUE(field().Text().isEmpty());
    typeInBoard(QStringLiteral("new"));
    w.SavePushButton->click();
    const QStringList aside =
        QDir(resources()).entryList(QStringList{QStringLiteral("PrintBoard (unreadable*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(resources() + QLatin1Char('/') + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("<!DOCTYPE html><html><body>half a board"));
}

TEST_F(PrintBoardTest, ADragOutOfTheBoardIsNamedWithTheDate) {
    open();
    EXPECT_EQ(WASTEclass::clippingName(),
              QStringLiteral("Vellora PrintBoard Clipping Friday, December 11, 2026"));
}

} // namespace
