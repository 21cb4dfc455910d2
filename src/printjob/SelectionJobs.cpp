#include "SelectionJobs.h"

#include "ClipboardSteps.h"
#include "Messages.h"
#include "Stamp.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Timer.h"
#include "platform/WASTEfield.h"

namespace SelectionJobs {

namespace {

using namespace ClipboardSteps;

const Variant kVariants[] = {
    {&Vellora1::VLPrintOneCopyNoStamp, &Vellora1::PrintNoStampTimer1, &Vellora1::PrintNoStampTimer2,
     false, false, false, true},
    {&Vellora1::VLPrintOneCopy, &Vellora1::PrintOneCopyWStampTimer1,
     &Vellora1::PrintOneCopyWStampTimer2, true, false, false, false},
    {&Vellora1::VLPrintMultpleCopiesNoStamp, &Vellora1::PrintMultpleCopiesNoStampTimer1,
     &Vellora1::PrintMultpleCopiesNoStampTimer2, false, false, true, false},
    {&Vellora1::VLPrintMultipleCopies, &Vellora1::PrintMultipleCopiesWStampTimer1,
     &Vellora1::PrintMultipleCopiesWStampTimer2, true, false, true, false},
};
const Variant kNoteVariant = {nullptr, nullptr, &Vellora1::AddNoteNoPageSetUpTimer, true, true,
                              false,   false};
const Variant kNotePageSetupVariant = {
    nullptr, nullptr, &Vellora1::AddNoteWithPageSetUpTimer, true, true, true, false};

// The note of the note jobs: read when the stamp is composed, from the note window.
QString (*g_noteText)() = nullptr;
void (*g_closeNoteWindow)() = nullptr;

void firstStep(Vellora1& w, const Variant& v) {
    saveUsersClipboard(WhileBorrowed::AnEmptyText);
    (w.*v.firstTimer)->setMode(Timer::ModeSingle);
}

// Ends a job at a check: the message, the Clipboard given back, and the way back for the user.
void endAtCheck(Vellora1& w, const QString& text, bool returnToApp, bool hide) {
    Desktop& d = desktop();
    d.BringProcessFront();
    restoreSavedClipboard();
    d.beep();
    d.showMessage(text);
    if (hide)
        w.setVisible(false);
    if (returnToApp)
        d.SetProcessWithCreatorFront(Module1::FrontMostApp);
}

void secondStep(Vellora1& w, const Variant& v) {
    Desktop& d = desktop();
    const QDateTime moment = Clock::current().now();
    const QString frontAtFire = v.note ? d.GetFrontProcessCreator() : QString();

    if (Clipboard::offersText()) {
        const QString t = Clipboard::text();
        if (t.isEmpty()) {
            endAtCheck(w, v.note ? Messages::NoteNothingSelected : Messages::NothingSelected, true,
                       v.hidesOnEmpty);
            return;
        }
        if (sameText(t, Module1::SaveOldText)) {
            d.beep();
            d.BringProcessFront();
            d.showMessage(v.note ? Messages::NoteRepeat : Messages::Repeat);
            restoreSavedClipboard();
            w.SaveLastJobWASTEfield->SetText(QStringLiteral("1"));
            d.SetProcessWithCreatorFront(Module1::FrontMostApp);
            return;
        }
    }
    w.EditField2->SetText(QString());
    if (v.stamp)
        w.NewEditfield3->SetText(QString());
    if (!Clipboard::offersText() && !Clipboard::offersPicture()) {
        d.beep();
        d.BringProcessFront();
        d.showMessage(v.note ? Messages::NoteNothingSelected : Messages::NothingSelected);
        restoreSavedClipboard();
        return;
    }

    w.EditField2->Paste();
    if (v.stamp) {
        const QString note = v.note && g_noteText ? g_noteText() : QString();
        Stamp::composeAndAdd(*w.NewEditfield3, *w.EditField2, moment,
                             v.note ? frontAtFire : Module1::FrontMostApp, Module1::FrontMostApp,
                             v.note ? &note : nullptr);
    } else {
        Clipboard::release();
    }

    d.BringProcessFront();
    if (v.pageSetup) {
        const int setup = w.EditField2->PageSetup();
        if (isError(setup)) {
            d.beep();
            d.showMessage(Messages::pageSetupError(setup));
            styleReset(*w.EditField2);
            w.EditField2->SetText(QString());
            if (v.stamp)
                w.NewEditfield3->SetText(QString());
            restoreSavedClipboard();
            d.SetProcessWithCreatorFront(Module1::FrontMostApp);
            return;
        }
        d.BringProcessFront();
    }
    const int code = w.EditField2->Print();
    const bool failed = isError(code);
    if (failed) {
        if (v.note)
            restoreSavedClipboard();
        d.beep();
        d.showMessage(Messages::printError(code));
    }
    styleReset(*w.EditField2);
    w.EditField2->SetText(QString());
    // The Page Setup stamp job keeps its stamp until the next stamped job.
    const bool keepsStamp = v.pageSetup && !v.note && !failed;
    if (v.stamp && !keepsStamp)
        w.NewEditfield3->SetText(QString());
    if (v.note && !failed && g_closeNoteWindow)
        g_closeNoteWindow();
    d.SetProcessWithCreatorFront(Module1::FrontMostApp);
    if (!(v.note && failed))
        restoreSavedClipboard();
}

} // namespace

bool copyStep(Timer& secondTimer) {
    Vellora1& w = Vellora1::instance();
    Desktop& d = desktop();
    if (!w.SaveLastJobWASTEfield->Text().isEmpty())
        Module1::SaveOldText = w.SaveLastJobWASTEfield->Text();
    if (sameText(d.GetFrontProcessCreator(), Desktop::GetMyCreator())) {
        d.beep();
        d.showMessage(Messages::ClickWindowFirst);
        // The user's Clipboard goes back at once instead of waiting for a later job.
        restoreSavedClipboard();
        return false;
    }
    Module1::FrontMostApp = d.GetFrontProcessCreator();
    postCopyCommand();
    w.SaveLastJobWASTEfield->SetText(QString());
    w.SaveLastJobWASTEfield->Paste();
    secondTimer.setMode(Timer::ModeSingle);
    return true;
}

const Variant& noteVariant(bool withPageSetup) {
    return withPageSetup ? kNotePageSetupVariant : kNoteVariant;
}

void setNoteWindowHooks(QString (*noteText)(), void (*closeNoteWindow)()) {
    g_noteText = noteText;
    g_closeNoteWindow = closeNoteWindow;
}

void install(Vellora1& w) {
    for (const Variant& v : kVariants) {
        QObject::connect(w.*v.button, &QPushButton::clicked, &w, [&w, &v] { firstStep(w, v); });
        (w.*v.firstTimer)->setAction([&w, &v] { copyStep(*(w.*v.secondTimer)); });
        (w.*v.secondTimer)->setAction([&w, &v] { secondStep(w, v); });
    }
    for (const Variant* v : {&kNoteVariant, &kNotePageSetupVariant})
        (w.*v->secondTimer)->setAction([&w, v] { secondStep(w, *v); });
    QObject::connect(w.PageSetUpPushButton, &QPushButton::clicked, &w, [&w] {
        desktop().BringProcessFront();
        w.EditField2->PageSetup();
    });
}

} // namespace SelectionJobs
