#include "PrintBoardDrop.h"

#include "AddNoteWindowDragAndDropSave.h"
#include "DragItem.h"
#include "DropSteps.h"
#include "DropTarget.h"
#include "app/Module1.h"
#include "app/NoteField.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"
#include "preferences/PreferencesWindow.h"
#include "printboard/PrintBoardFile.h"
#include "printboard/PrintBoardWindow.h"
#include "printjob/ClipboardSteps.h"
#include "printjob/Stamp.h"

namespace PrintBoardDrop {

namespace {

using namespace DropSteps;

const QString kCantFind = QStringLiteral(
    "Vellora can't find the PrintBoard.  Please try again to save something to the PrintBoard via "
    "drag-and-drop, or you can open the PrintBoard using an \"Open PrintBoard\" button and then "
    "add your data directly to the PrintBoard.");
const QString kNotSaved = QStringLiteral(
    "The PrintBoard could not be saved, so what you dropped was not added and the PrintBoard is "
    "as it was.  Please make sure the folder \"Vellora Resources\" beside Vellora can be written "
    "to, then drop it again.");

// The page address of a browser drop, in the stamp field.
void addressFetch(const QString& creator) {
    WASTEfield& stamp = *Vellora1::instance().NewEditfield3;
    if (!isBrowser(creator))
        return;
    stamp.SetText(QString());
    runAddressScriptFor(creator);
    Stamp::appendClipboardText(stamp);
}

void reopen(Target target) {
    if (!Module1::PrintBoardWindowReopen)
        return;
    PrintBoardWindow& board = PrintBoardWindow::instance();
    if (target == Target::OpenPrintBoardButton) {
        const QSize screen = desktop().screenSize();
        int top = Vellora1::instance().Top() + 330;
        if (screen.height() - 340 < top)
            top = screen.height() - 340;
        board.setGeometry(screen.width() - 350, top, board.width(), board.height());
    }
    board.show();
}

void showNoteWindow() {
    desktop().BringProcessFront();
    AddNoteWindowDragAndDropSave& note = AddNoteWindowDragAndDropSave::instance();
    note.show();
    note.activateWindow();
    placeNoteWindow(note);
}

} // namespace

bool appendStagedEntry() {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    WASTEfield& buffer = *w.EditField1;
    buffer.SetText(QString());
    QString aside;
    if (PrintBoardFile::loadInto(buffer, &aside) == PrintBoardFile::Loaded::SetAside) {
        d.beep();
        d.showMessage(PrintBoardFile::setAsideMessage(aside));
    }
    // The old file stays until the new one has been written whole in its place.
    w.EditField2->SetSelection(0, w.EditField2->GetTextLength());
    w.EditField2->Copy();
    buffer.SetSelection(buffer.GetTextLength(), buffer.GetTextLength());
    buffer.Paste();
    if (PrintBoardFile::save(buffer))
        return true;
    d.beep();
    d.BringProcessFront();
    d.showMessage(kNotSaved);
    return false;
}

void handle(const DragItem& item, Target target) {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    if (!DropSteps::begin(item))
        return;
    if (Module1::PrintBoardVisible) {
        Module1::DragNDropSaveFlag = true;
        Module1::PrintBoardWindowReopen = true;
        if (PrintBoardWindow* board = PrintBoardWindow::existing())
            board->close();
        // A board that could not save its changes stays open; nothing is added over them.
        if (PrintBoardWindow::existing()) {
            Module1::DragNDropSaveFlag = false;
            return;
        }
    }
    ClipboardSteps::saveUsersClipboard(ClipboardSteps::WhileBorrowed::AsItIs);
    WASTEfield& entry = *w.EditField2;
    WASTEfield& stamp = *w.NewEditfield3;
    entry.SetText(QString());
    stamp.SetText(QString());
    if (target == Target::Drawer && Module1::PreferrenceWindowIsVisible) {
        if (PreferencesWindow* prefs = PreferencesWindow::existing())
            prefs->close();
    }
    const QString pref = Module1::DragAndDropPrintPref;
    const bool picture = item.hasPicture();
    const bool browser = isBrowser(item.creator);
    const QString stampLine = Stamp::dateAndTime(item.moment) + QLatin1Char('\r') +
                              Stamp::PrintBoardSeparator + QStringLiteral("\r\r");

    if ((!picture && !item.hasText) ||
        (pref != QLatin1String("No Stamp") && pref != QLatin1String("With Stamp") &&
         pref != QLatin1String("With Note"))) {
        ClipboardSteps::restoreSavedClipboard();
        return;
    }
    if (pref == QLatin1String("With Note")) {
        if (picture) {
            putOnClipboard(item);
            entry.Paste();
        } else {
            Module1::DragAndDropFlag = QStringLiteral("Text");
            putOnClipboard(item);
            ClipboardSteps::styleReset(entry);
            entry.SetSelection(0, 0);
            entry.SetText(QString());
            stamp.SetText(QString());
            entry.Paste();
        }
        addressFetch(item.creator);
        stamp.SetText(browser ? QStringLiteral("\r\r") + stamp.Text() + QStringLiteral("\r\r")
                              : QStringLiteral("\r\r"));
        if (picture)
            Module1::DragAndDropFlag = QStringLiteral("Image");
        showNoteWindow();
        return;
    }

    const bool stamped = pref == QLatin1String("With Stamp");
    if (!stamped && picture) {
        putOnClipboard(item);
        entry.SetText(QStringLiteral("\r\r"));
        entry.Paste();
    } else if (!stamped) {
        putOnClipboard(item);
        ClipboardSteps::styleReset(entry);
        entry.SetText(QString());
        entry.Paste();
        entry.SetText(entry.Text() + QStringLiteral("\r\r"));
        d.BringProcessFront();
    } else if (picture) {
        putOnClipboard(item);
        entry.Paste();
        addressFetch(item.creator);
        stamp.SetText(QStringLiteral("\r\r") +
                      (browser ? stamp.Text() + QStringLiteral("\r\r") : QString()) + stampLine);
        stamp.SetSelection(0, stamp.GetTextLength());
        stamp.Copy();
        entry.SetSelection(entry.GetTextLength(), entry.GetTextLength());
        entry.Paste();
        d.BringProcessFront();
    } else {
        ClipboardSteps::styleReset(entry);
        entry.SetText(QString());
        putOnClipboard(item);
        stamp.SetText(QString());
        entry.Paste();
        addressFetch(item.creator);
        entry.SetText(entry.Text() + (browser ? QStringLiteral("\r\r") + stamp.Text() : QString()) +
                      QStringLiteral("\r\r") + stampLine);
        d.BringProcessFront();
    }

    if (!PrintBoardFile::exists()) {
        d.beep();
        d.BringProcessFront();
        d.showMessage(kCantFind);
        ClipboardSteps::restoreSavedClipboard();
        entry.SetText(QString());
        if (picture)
            emptyPictureHolder();
        if (stamped)
            stamp.SetText(QString());
        if (!picture)
            d.SetProcessWithCreatorFront(Module1::FrontMostApp);
        return;
    }
    appendStagedEntry();
    if (!picture)
        ClipboardSteps::styleReset(entry);
    entry.SetText(QString());
    if (picture)
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    ClipboardSteps::restoreSavedClipboard();
    if (picture)
        emptyPictureHolder();
    if (stamped)
        stamp.SetText(QString());
    reopen(target);
    if (!picture)
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
}

void install(Vellora1& w) {
    DropTarget::install(w.PushButton1,
                        [](const DragItem& item) { handle(item, Target::OpenPrintBoardButton); });
}

} // namespace PrintBoardDrop
