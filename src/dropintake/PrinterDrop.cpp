#include "PrinterDrop.h"

#include "DragAndDropAddNoteWindow.h"
#include "DragItem.h"
#include "DropSteps.h"
#include "DropTarget.h"
#include "PrintBoardDrop.h"
#include "app/Module1.h"
#include "app/NoteField.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"
#include "preferences/PreferencesWindow.h"
#include "printjob/ClipboardSteps.h"
#include "printjob/Messages.h"
#include "printjob/Stamp.h"

namespace PrinterDrop {

namespace {

using namespace DropSteps;

void closePreferences() {
    if (PreferencesWindow* prefs = PreferencesWindow::existing())
        prefs->close();
}

// The address step of a printed drop: two line breaks and the page address in the stamp field.
void addressStep(const QString& creator) {
    WASTEfield& stamp = *Vellora1::instance().NewEditfield3;
    if (!isBrowser(creator))
        return;
    Clipboard::setText(QString());
    stamp.SetText(QStringLiteral("\r\r"));
    runAddressScriptFor(creator);
    Stamp::appendClipboardText(stamp);
}

void print(const DragItem& item) {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    d.BringProcessFront();
    const int code = w.EditField2->Print();
    if (ClipboardSteps::isError(code)) {
        d.beep();
        d.showMessage(QStringLiteral("Printing Error:  ") + QString::number(code));
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
        if (item.hasPicture())
            emptyPictureHolder();
        ClipboardSteps::restoreSavedClipboard();
        w.EditField2->SetText(QString());
    } else {
        w.EditField2->SetText(QString());
        ClipboardSteps::restoreSavedClipboard();
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    }
}

} // namespace

void handle(const DragItem& item, Target target) {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    if (!DropSteps::begin(item))
        return;
    if (target == Target::Drawer && d.optionKeyDown()) {
        PrintBoardDrop::handle(item, PrintBoardDrop::Target::Drawer);
        return;
    }
    ClipboardSteps::saveUsersClipboard(ClipboardSteps::WhileBorrowed::AsItIs);
    if (target == Target::Drawer && Module1::PreferrenceWindowIsVisible)
        closePreferences();

    WASTEfield& print2 = *w.EditField2;
    WASTEfield& stamp = *w.NewEditfield3;
    const QString pref = Module1::DragAndDropPrintPref;
    const bool known = pref == QLatin1String("No Stamp") || pref == QLatin1String("With Stamp") ||
                       pref == QLatin1String("With Note");
    if ((!item.hasPicture() && !item.hasText) || !known) {
        // Nothing to do: the saved copy goes back rather than waiting in its field.
        ClipboardSteps::restoreSavedClipboard();
        return;
    }
    if (pref == QLatin1String("No Stamp")) {
        putOnClipboard(item);
        if (!item.hasPicture()) {
            ClipboardSteps::styleReset(print2);
            print2.SetSelection(0, 0);
        }
        print2.Paste();
        print(item);
    } else if (pref == QLatin1String("With Stamp")) {
        print2.SetText(QString());
        putOnClipboard(item);
        print2.Paste();
        stamp.SetText(QString());
        addressStep(item.creator);
        const QString dateLine = QStringLiteral("\r\r") + Stamp::dateAndTime(item.moment);
        if (item.hasPicture()) {
            stamp.SetText(stamp.Text() + dateLine);
            stamp.SetSelection(0, stamp.GetTextLength());
            stamp.Copy();
            print2.Paste();
        } else {
            print2.SetText(print2.Text() + stamp.Text() + dateLine);
            ClipboardSteps::styleReset(print2);
            print2.SetSelection(0, 0);
        }
        print(item);
    } else {
        putOnClipboard(item);
        if (!item.hasPicture()) {
            ClipboardSteps::styleReset(print2);
            print2.SetSelection(0, 0);
        }
        print2.Paste();
        if (PreferencesWindow* prefs = PreferencesWindow::existing(); prefs && prefs->isVisible())
            prefs->close();
        d.BringProcessFront();
        DragAndDropAddNoteWindow& note = DragAndDropAddNoteWindow::instance();
        note.show();
        note.activateWindow();
        placeNoteWindow(note);
    }
}

void install(Vellora1& w) {
    DropTarget::install(w.IconifyButton,
                        [](const DragItem& item) { handle(item, Target::PrinterIcon); });
}

} // namespace PrinterDrop
