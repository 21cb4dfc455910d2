#include "AddNoteWindowDragAndDropSave.h"

#include "DropSteps.h"
#include "NoteWindowLayout.h"
#include "PrintBoardDrop.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"
#include "printboard/PrintBoardFile.h"
#include "printboard/PrintBoardWindow.h"
#include "printjob/ClipboardSteps.h"
#include "printjob/Stamp.h"

AddNoteWindowDragAndDropSave::AddNoteWindowDragAndDropSave() {
    setObjectName(QStringLiteral("AddNoteWindowDragAndDropSave"));
    AddNoteEditFieldDragAndDrop = NoteWindowLayout::build(
        *this, QStringLiteral("Add a Note"), QStringLiteral("AddNoteEditFieldDragAndDrop"),
        QStringLiteral("Geneva"), CancelButton, QStringLiteral("CancelButton"), AddNoteDandDSave,
        QStringLiteral("AddNoteDandDSave"), 197, 76);
    connect(AddNoteDandDSave, &QPushButton::clicked, this, [this] { addNote(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancel(); });
}

void AddNoteWindowDragAndDropSave::Open() {
    AddNoteEditFieldDragAndDrop->setFocus();
}

void AddNoteWindowDragAndDropSave::addNote() {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    const QDateTime moment = Clock::current().now();
    d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    NoteField& note = *AddNoteEditFieldDragAndDrop;
    QString entry = note.note();
    if (Module1::DragAndDropFlag == QLatin1String("Image") ||
        Module1::DragAndDropFlag == QLatin1String("Text")) {
        entry = w.NewEditfield3->Text() + QStringLiteral("Note:  ") + entry +
                QStringLiteral("\r\r") + Stamp::dateAndTime(moment) + QLatin1Char('\r') +
                Stamp::PrintBoardSeparator + QStringLiteral("\r\r");
    }
    Clipboard::setText(entry);
    w.EditField2->SetSelection(w.EditField2->GetTextLength(), w.EditField2->GetTextLength());
    w.EditField2->Paste();
    if (PrintBoardFile::exists()) {
        PrintBoardDrop::appendStagedEntry();
        w.EditField2->SetText(QString());
        w.NewEditfield3->SetText(QString());
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
        ClipboardSteps::restoreSavedClipboard();
        DropSteps::emptyPictureHolder();
        close();
        if (Module1::PrintBoardWindowReopen) {
            PrintBoardWindow& board = PrintBoardWindow::instance();
            board.show();
        }
        return;
    }
    d.beep();
    d.BringProcessFront();
    d.showMessage(QStringLiteral("Vellora could not find the PrintBoard.  Please try again"));
    ClipboardSteps::restoreSavedClipboard();
    DropSteps::emptyPictureHolder();
    w.EditField2->SetText(QString());
    w.NewEditfield3->SetText(QString());
    close();
}

void AddNoteWindowDragAndDropSave::cancel() {
    DropSteps::emptyPictureHolder();
    Vellora1::instance().EditField2->SetText(QString());
    desktop().SetProcessWithCreatorFront(Module1::FrontMostApp);
    close();
}

void AddNoteWindowDragAndDropSave::Close() {
    ClipboardSteps::restoreSavedClipboard();
}
