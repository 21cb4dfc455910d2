#include "ClipboardSteps.h"

#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/Printing.h"
#include "platform/WASTEfield.h"

namespace ClipboardSteps {

bool borrowing() {
    return Module1::ClipboardBorrowed;
}

bool worthSaving() {
    return (Clipboard::offersText() && Clipboard::text() != QLatin1String("1")) ||
           Clipboard::offersPicture();
}

void saveUsersClipboard(WhileBorrowed afterwards) {
    WASTEfield& saved = *Vellora1::instance().SaveOldClipboardWASTEfield;
    // Emptied first: the pointer passing over the printer icon may have stashed an older
    // Clipboard here, which would otherwise come back with the user's.
    saved.SetText(QString());
    if (worthSaving()) {
        saved.Paste();
        if (afterwards == WhileBorrowed::AnEmptyText) {
            Clipboard::setText(QString());
            Clipboard::release();
        }
    } else {
        saved.keepFormatsWithoutContent(*Clipboard::mimeData());
    }
    Module1::ClipboardBorrowed = true;
}

void restoreSavedClipboard() {
    WASTEfield& saved = *Vellora1::instance().SaveOldClipboardWASTEfield;
    saved.SetSelection(0, saved.GetTextLength());
    saved.Copy();
    saved.SetText(QString());
    Module1::ClipboardBorrowed = false;
}

void styleReset(WASTEfield& field) {
    field.SetSelection(0, field.GetTextLength());
    field.SetSelPlain(true);
    field.SetSelTextFont(QStringLiteral("Geneva"));
    field.SetSelTextSize(12);
    field.SetSelTextColor(QColor(0, 0, 0));
}

void postCopyCommand() {
    Desktop& d = desktop();
    d.PostCommandKeyEvent(true);
    d.PostKeyEvent(QStringLiteral("C"), 8, true);
    d.PostKeyEvent(QStringLiteral("C"), 8, false);
    d.PostCommandKeyEvent(false);
}

bool isError(int code) {
    return code != PrintCode::Done && code != PrintCode::Cancelled;
}

} // namespace ClipboardSteps
