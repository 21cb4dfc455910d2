#include "ClipboardFunctions.h"

#include "ClipboardSteps.h"
#include "Messages.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"

void Module1::PrintClipboard() {
    // Neither saves nor restores the Clipboard: printing it leaves it as it is.
    WASTEfield& buffer = *Vellora1::instance().WASTEfield1;
    Desktop& d = desktop();
    buffer.SetText(QString());
    if (Clipboard::offersText() || Clipboard::offersPicture()) {
        buffer.Paste();
        Clipboard::release();
        d.BringProcessFront();
        const int code = buffer.Print();
        if (ClipboardSteps::isError(code))
            d.showMessage(Messages::printingError(code));
        buffer.SetText(QString());
    } else {
        d.beep();
        d.BringProcessFront();
        d.showMessage(Messages::EmptyClipboardPrint);
    }
}

namespace ClipboardFunctions {

void install(Vellora1& w) {
    QObject::connect(w.PrintClipboardPushButton, &QPushButton::clicked, &w,
                     [] { Module1::PrintClipboard(); });
    QObject::connect(w.ClearClipboardPushButton, &QPushButton::clicked, &w, [] {
        Clipboard::setText(QString());
        Clipboard::release();
    });
}

} // namespace ClipboardFunctions
