#include "DropSteps.h"

#include "DragItem.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"
#include "printjob/ClipboardSteps.h"
#include "printjob/Stamp.h"

namespace DropSteps {

bool begin(const DragItem& item) {
    if (!item.refusal.isEmpty()) {
        desktop().beep();
        desktop().showMessage(item.refusal);
        return false;
    }
    Module1::CheckForSafari = item.creator;
    Module1::CheckForFireFox = item.creator;
    // The application the material was dragged from goes back to the front when the job ends,
    // not the one an earlier selection job took its selection from.
    Module1::rememberUsersApplication(item.creator);
    return true;
}

void putOnClipboard(const DragItem& item) {
    if (item.hasPicture()) {
        Canvas& holder = *Vellora1::instance().DragAndDropBackDropCanvas;
        holder.setBackdrop(item.picture);
        Clipboard::setPicture(holder.backdrop());
    } else {
        Clipboard::setText(item.text);
    }
}

void emptyPictureHolder() {
    Vellora1::instance().DragAndDropBackDropCanvas->setBackdrop(QImage());
}

bool isBrowser(const QString& creator) {
    return !Stamp::addressScriptFor(creator).isEmpty();
}

bool runAddressScriptFor(const QString& creator) {
    const QString script = Stamp::addressScriptFor(creator);
    if (script.isEmpty())
        return false;
    desktop().runAddressScript(script);
    return true;
}

} // namespace DropSteps
