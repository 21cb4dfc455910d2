#include "AddNoteWindow.h"

#include "ClipboardSteps.h"
#include "Messages.h"
#include "SelectionJobs.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/Pictures.h"
#include "platform/Timer.h"
#include "platform/WASTEfield.h"

AddNoteWindow::AddNoteWindow() {
    setObjectName(QStringLiteral("AddNoteWindow"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Add a Note to Your Selection"));
    setFixedSize(300, 300);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(193, 193, 204));
    const QPixmap metal = Pictures::get(QStringLiteral("LargeMetalpic"), QSize(300, 300));
    if (!metal.isNull())
        p.setBrush(QPalette::Window, QBrush(metal));
    setPalette(p);
    setAutoFillBackground(true);

    EditField3 = new NoteField(QStringLiteral("EditField3"), this);
    setControlFont(EditField3, QStringLiteral("Geneva"), 12);
    place(EditField3, -1, -1, 302, 263);
    QPalette white = EditField3->palette();
    white.setColor(QPalette::Base, Qt::white);
    EditField3->setPalette(white);

    auto button = [this](const QString& name, const QString& caption, int left, int width) {
        auto* b = new PaletteButton(name, caption, this);
        b->setFocusPolicy(Qt::TabFocus);
        setControlFont(b, QStringLiteral("Geneva"), 12);
        place(b, left, 272, width, 20);
        return b;
    };
    CancelButton = button(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), 25, 72);
    AddNotePrMultButton =
        button(QStringLiteral("AddNotePrMultButton"), QStringLiteral("Add Note"), 110, 76);
    AddNoteButton = button(QStringLiteral("AddNoteButton"), QStringLiteral("Add Note"), 202, 76);
    for (PaletteButton* b : {AddNotePrMultButton, AddNoteButton}) {
        b->setDefault(true);
        b->setEnabled(false);
    }

    connect(EditField3, &QPlainTextEdit::textChanged, this, [this] {
        const bool hasNote = !EditField3->toPlainText().isEmpty();
        AddNoteButton->setEnabled(hasNote);
        AddNotePrMultButton->setEnabled(hasNote);
    });
    // Typing must reach the note even when another application was in front.
    connect(EditField3, &NoteField::MouseDown, this, [] { desktop().BringProcessFront(); });
    connect(EditField3, &QPlainTextEdit::selectionChanged, this,
            [] { desktop().BringProcessFront(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { close(); });
    connect(AddNoteButton, &QPushButton::clicked, this, [this] { addNote(false); });
    connect(AddNotePrMultButton, &QPushButton::clicked, this, [this] { addNote(true); });
}

void AddNoteWindow::Open() {
    EditField3->setFocus();
}

void AddNoteWindow::openFor(bool withPageSetup) {
    Desktop& d = desktop();
    // The palette does not take the activation, so the application in front is the user's.
    Module1::FrontMostApp = d.GetFrontProcessCreator();
    d.BringProcessFront();
    AddNoteWindow& w = instance();
    w.show();
    w.activateWindow();
    placeNoteWindow(w);
    PaletteButton* shown = withPageSetup ? w.AddNotePrMultButton : w.AddNoteButton;
    PaletteButton* hidden = withPageSetup ? w.AddNoteButton : w.AddNotePrMultButton;
    hidden->hide();
    place(hidden, 110, 272, hidden->width(), 20);
    place(shown, 202, 272, shown->width(), 20);
    shown->show();
}

void AddNoteWindow::addNote(bool withPageSetup) {
    Vellora1& main = Vellora1::instance();
    Desktop& d = desktop();
    ClipboardSteps::saveUsersClipboard(ClipboardSteps::WhileBorrowed::AnEmptyText);
    if (!main.SaveLastJobWASTEfield->Text().isEmpty())
        Module1::SaveOldText = main.SaveLastJobWASTEfield->Text();
    d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    if (sameText(d.GetFrontProcessCreator(), Desktop::GetMyCreator())) {
        d.beep();
        d.showMessage(Messages::ClickWindowFirst);
        // The user's Clipboard goes back at once instead of waiting for a later job.
        ClipboardSteps::restoreSavedClipboard();
        return;
    }
    ClipboardSteps::postCopyCommand();
    main.SaveLastJobWASTEfield->SetText(QString());
    main.SaveLastJobWASTEfield->Paste();
    Timer* timer = withPageSetup ? main.AddNoteWithPageSetUpTimer : main.AddNoteNoPageSetUpTimer;
    timer->setMode(Timer::ModeSingle);
}

void AddNoteWindow::install(Vellora1& main) {
    connect(main.PrintOneCopyWNote, &QPushButton::clicked, &main, [] { openFor(false); });
    connect(main.PrintMultipleCopiesWNote, &QPushButton::clicked, &main, [] { openFor(true); });
    SelectionJobs::setNoteWindowHooks(
        // Reading the note of a closed window makes a fresh one, whose note is empty.
        [] { return instance().EditField3->note(); },
        [] {
            if (AddNoteWindow* w = existing())
                w->close();
        });
}
