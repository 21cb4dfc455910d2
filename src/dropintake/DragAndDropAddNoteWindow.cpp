#include "DragAndDropAddNoteWindow.h"

#include "DropSteps.h"
#include "NoteWindowLayout.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/CreatorCodes.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"
#include "printjob/ClipboardSteps.h"
#include "printjob/Stamp.h"

DragAndDropAddNoteWindow::DragAndDropAddNoteWindow() {
    setObjectName(QStringLiteral("DragAndDropAddNoteWindow"));
    EditField1 = NoteWindowLayout::build(
        *this, QStringLiteral("Add a Note to What You Are Printing"), QStringLiteral("EditField1"),
        QStringLiteral("System"), CancelPushButton, QStringLiteral("CancelPushButton"),
        AddNotePushButton, QStringLiteral("AddNotePushButton"), 202, 72);
    connect(AddNotePushButton, &QPushButton::clicked, this, [this] { addNote(); });
    connect(CancelPushButton, &QPushButton::clicked, this, [this] { cancel(); });
}

void DragAndDropAddNoteWindow::Open() {
    EditField1->setFocus();
}

void DragAndDropAddNoteWindow::addNote() {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    const QDateTime moment = Clock::current().now();
    WASTEfield& stamp = *w.NewEditfield3;
    WASTEfield& print = *w.EditField2;
    stamp.SetText(QString());
    // Both names hold the drop's creator code, so one address at most.
    if (sameText(Module1::CheckForSafari, QString::fromLatin1(CreatorCodes::Safari)))
        Stamp::addAddress(stamp, QStringLiteral("GetSafariURL2"));
    if (sameText(Module1::CheckForFireFox, QString::fromLatin1(CreatorCodes::Firefox)))
        Stamp::addAddress(stamp, QStringLiteral("GetFireFoxURL"));
    stamp.SetText(stamp.Text() + QStringLiteral("\r\rNote: ") + EditField1->note() +
                  QStringLiteral("\r\r") + Stamp::dateAndTime(moment) + QLatin1Char('\r') +
                  Stamp::PrintSeparator);
    stamp.SetSelection(0, stamp.GetTextLength());
    stamp.Copy();
    print.SetSelection(print.GetTextLength(), print.GetTextLength());
    print.Paste();
    const int code = print.Print();
    if (ClipboardSteps::isError(code)) {
        d.showMessage(QStringLiteral("Printing Error: ") + QString::number(code));
        ClipboardSteps::restoreSavedClipboard();
        print.SetText(QString());
        stamp.SetText(QString());
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
        return;
    }
    EditField1->clear();
    print.SetText(QString());
    stamp.SetText(QString());
    ClipboardSteps::restoreSavedClipboard();
    d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    m_finished = true;
    close();
}

void DragAndDropAddNoteWindow::cancel() {
    DropSteps::emptyPictureHolder();
    Vellora1::instance().EditField2->SetText(QString());
    desktop().SetProcessWithCreatorFront(Module1::FrontMostApp);
    ClipboardSteps::restoreSavedClipboard();
    m_finished = true;
    close();
}

void DragAndDropAddNoteWindow::Close() {
    // Closed with its close box, the window abandons the job as Cancel does, so the material
    // does not linger and the user's Clipboard comes back.
    if (!m_finished) {
        m_finished = true;
        cancel();
    }
}
