#include "SaveToPrintBoard.h"

#include "PrintBoardFile.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"

namespace SaveToPrintBoard {

namespace {

const QString kBoardOpen = QStringLiteral(
    "When the PrintBoard is open, you can add the contents of the Clipboard to it by using the "
    "Command-v keyboard shortcut or by using Vellora's Edit menu.");
const QString kNothing = QStringLiteral(
    "Whoops, there doesn't appear to be anything on the Clipboard to save to the PrintBoard.\r\r"
    "If you have selected text, a picture, or a graphic in your active application and have tried "
    "to place the selection onto the Clipboard but are still getting this message, it's possible "
    "that program isn't allowing you to place its contents on the Clipboard or isn't allowing "
    "Vellora to access its Clipboard.\r\r"
    "NOTE:  You still can add this data to the PrintBoard via drag-and-drop to the \"Open "
    "PrintBoard\" button when the PrintBoard is closed, or to the PrintBoard when it's open.");
const QString kNoFolder = QStringLiteral(
    "Vellora can't find its folder \"Vellora Resources\", so nothing could be saved to the "
    "PrintBoard.  What you wanted to save is still on the Clipboard.");
const QString kNotSaved = QStringLiteral(
    "The PrintBoard could not be saved, so nothing was added to it and the PrintBoard is as it "
    "was.\r\rWhat you wanted to save is still on the Clipboard.  Please make sure the folder "
    "\"Vellora Resources\" beside Vellora can be written to, then try again.");

void refuse(const QString& message) {
    Desktop& d = desktop();
    d.beep();
    d.BringProcessFront();
    d.showMessage(message);
}

} // namespace

void run() {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    // The palette does not take the activation: the application in front is the one the user
    // is working in, whether or not a print job ever ran.
    Module1::rememberUsersApplication(d.GetFrontProcessCreator());
    if (Module1::PrintBoardVisible) {
        refuse(kBoardOpen);
        return;
    }
    w.EditField2->SetText(QString());
    if (!Clipboard::offersText() && !Clipboard::offersPicture()) {
        refuse(kNothing);
        return;
    }
    if (!PrintBoardFile::folderExists()) {
        refuse(kNoFolder);
        return;
    }
    w.EditField2->Paste();
    Clipboard::setText(QStringLiteral(" \r\r"));
    w.EditField2->Paste();
    Clipboard::release();
    d.BringProcessFront();

    WASTEfield& board = *w.NewEditfield3;
    board.SetText(QString());
    QString aside;
    const bool setAside =
        PrintBoardFile::loadInto(board, &aside) == PrintBoardFile::Loaded::SetAside;
    // The old file stays until the new one has been written whole in its place.
    w.EditField2->SetSelection(0, w.EditField2->GetTextLength());
    w.EditField2->Copy();
    board.Paste();
    w.EditField2->SetText(QString());
    if (setAside) {
        d.beep();
        d.showMessage(PrintBoardFile::setAsideMessage(aside));
    }
    if (!PrintBoardFile::save(board)) {
        d.beep();
        d.showMessage(kNotSaved);
    }
    // The whole board need not stay in memory until the next save.
    board.SetText(QString());
    d.SetProcessWithCreatorFront(Module1::FrontMostApp);
}

void install(Vellora1& main) {
    QObject::connect(main.ClipboardToPrintBoardPushButton, &QPushButton::clicked, &main,
                     [] { run(); });
}

} // namespace SaveToPrintBoard
