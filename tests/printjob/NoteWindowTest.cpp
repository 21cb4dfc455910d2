#include "VelloraTest.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/Wording.h"
#include "printjob/AddNoteWindow.h"
#include "printjob/Messages.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

class NoteWindowTest : public VelloraTest {
protected:
    AddNoteWindow& open(bool pageSetup = false) {
        (pageSetup ? main().PrintMultipleCopiesWNote : main().PrintOneCopyWNote)->click();
        return AddNoteWindow::instance();
    }
    void type(const QString& text) { QTest::keyClicks(AddNoteWindow::instance().EditField3, text); }
    // Drops data on the note as a drag from another application would.
    void drop(const QMimeData& data) {
        QWidget* target = AddNoteWindow::instance().EditField3->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
    }
};

TEST_F(NoteWindowTest, OpensPlacedWithOneAddNoteButtonEnabledOnlyWithANote) {
    struct Row {
        int screenHeight;
        int top;
    } rows[] = {{768, 68}, {700, 50}, {1000, 300}};
    for (const Row& r : rows) {
        sim().setScreenSize(QSize(1280, r.screenHeight));
        editorSelects(QStringLiteral("x"));
        AddNoteWindow& w = open();
        EXPECT_EQ(Module1::FrontMostApp, QStringLiteral("mousepad"));
        EXPECT_EQ(w.geometry().top(), r.top);
        EXPECT_EQ(w.geometry().left(), 1280 - 350);
    }
    AddNoteWindow& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Add a Note to Your Selection"));
    EXPECT_EQ(w.size(), QSize(300, 300));
    EXPECT_TRUE(w.AddNoteButton->isVisible());
    EXPECT_FALSE(w.AddNotePrMultButton->isVisible());
    EXPECT_EQ(w.AddNoteButton->geometry().left(), 202);
    EXPECT_FALSE(w.AddNoteButton->isEnabled());
    type(QStringLiteral("x"));
    EXPECT_TRUE(w.AddNoteButton->isEnabled());
    EXPECT_TRUE(w.AddNotePrMultButton->isEnabled());
    QTest::keyClick(w.EditField3, Qt::Key_Backspace);
    EXPECT_FALSE(w.AddNoteButton->isEnabled());

    open(true);
    EXPECT_TRUE(w.AddNotePrMultButton->isVisible());
    EXPECT_FALSE(w.AddNoteButton->isVisible());
    EXPECT_EQ(w.AddNotePrMultButton->geometry().left(), 202);
    EXPECT_EQ(w.AddNoteButton->geometry().left(), 110);
    // Pressed again while the note window is active, the button records this application.
    EXPECT_EQ(Module1::FrontMostApp, Desktop::GetMyCreator());
}

TEST_F(NoteWindowTest, EveryFailedExitUsesTheNoteMessagesAndKeepsTheWindowOpen) {
    Clipboard::setMimeData(richUserClipboard());
    const Formats before = clipboardFormats();
    struct Row {
        const char* name;
        std::function<void(SimDesktop&)> arrange;
        QString message;
    } rows[] = {
        {"nothing copied",
         [](SimDesktop& s) { s.app(QStringLiteral("mousepad"))->selection.clear(); },
         Messages::NoteNothingSelected},
        {"print error", [](SimDesktop& s) { s.scriptPrintResult(-30); },
         QStringLiteral("Print Error: -30")},
        {"repeat", [](SimDesktop&) {}, Messages::NoteRepeat},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        sim().clearRecord();
        editorSelects(QStringLiteral("the same words"));
        AddNoteWindow& w = open();
        if (w.EditField3->toPlainText().isEmpty())
            type(QStringLiteral("my note"));
        r.arrange(sim());
        w.AddNoteButton->click();
        settle();
        EXPECT_EQ(sim().messages(), QStringList{Wording::forDesktop(r.message)});
        ASSERT_TRUE(AddNoteWindow::existing());
        EXPECT_EQ(AddNoteWindow::existing()->EditField3->toPlainText(), QStringLiteral("my note"));
        EXPECT_EQ(clipboardFormats(), before);
    }
}

TEST_F(NoteWindowTest, APrintedOrCancelledNoteJobClosesTheWindow) {
    for (int code : {0, -128}) {
        editorSelects(QStringLiteral("words %1").arg(code));
        AddNoteWindow& w = open();
        type(QStringLiteral("n"));
        sim().scriptPrintResult(code);
        w.AddNoteButton->click();
        settle();
        EXPECT_FALSE(AddNoteWindow::existing()) << code;
    }
}

TEST_F(NoteWindowTest, AddNoteWithThisApplicationInFrontRefusesAndGivesTheClipboardBack) {
    Clipboard::setText(QStringLiteral("user"));
    sim().setFront(Desktop::GetMyCreator()); // W/Date+Note pressed while the note window is active
    AddNoteWindow& w = open();
    type(QStringLiteral("n"));
    w.AddNoteButton->click();
    settle();
    EXPECT_EQ(sim().messages(), QStringList{Messages::ClickWindowFirst});
    EXPECT_EQ(Clipboard::text(), QStringLiteral("user"));
    EXPECT_TRUE(sim().prints().empty());
    EXPECT_TRUE(AddNoteWindow::existing());
}

TEST_F(NoteWindowTest, CancelAfterAddNoteStillPrintsWithAnEmptyNote) {
    editorSelects(QStringLiteral("body"));
    AddNoteWindow& w = open();
    type(QStringLiteral("gone"));
    w.AddNoteButton->click();
    w.CancelButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(AddNoteWindow::existing());
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.contains(QStringLiteral("\r\rNote: \r\r")));
    EXPECT_FALSE(AddNoteWindow::existing()) << "the fresh window is closed after printing";
}

TEST_F(NoteWindowTest, TheNoteIsReadWhenTheTimerFires) {
    editorSelects(QStringLiteral("body"));
    AddNoteWindow& w = open();
    type(QStringLiteral("first"));
    w.AddNoteButton->click();
    clock.advance(500);
    type(QStringLiteral(" and more"));
    settle();
    ASSERT_EQ(sim().prints().size(), 1u);
    EXPECT_TRUE(sim().prints()[0].text.contains(QStringLiteral("Note: first and more\r")));
}

TEST_F(NoteWindowTest, TakesDroppedTextAndTextFilesAndRefusesBinaryOnes) {
    AddNoteWindow& w = open();
    QMimeData text;
    text.setText(QStringLiteral("dropped words"));
    drop(text);
    EXPECT_EQ(w.EditField3->toPlainText(), QStringLiteral("dropped words"));

    const QString good = folder() + QStringLiteral("/note.txt");
    const QString bad = folder() + QStringLiteral("/picture.txt");
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(" and a file\n");
    f.close();
    QFile b(bad);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 12));
    b.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(good)});
    drop(files);
    const QString both = w.EditField3->toPlainText();
    EXPECT_TRUE(both.contains(QStringLiteral(" and a file\n")));
    EXPECT_TRUE(both.contains(QStringLiteral("dropped words")));
    QMimeData binary;
    binary.setUrls({QUrl::fromLocalFile(bad)});
    drop(binary);
    EXPECT_EQ(w.EditField3->toPlainText(), both);
    ASSERT_EQ(sim().messages().size(), 1);
    EXPECT_TRUE(sim().messages()[0].contains(QStringLiteral("picture.txt")));
}

} // namespace
