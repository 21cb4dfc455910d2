#include "HelpTags.h"

#include "app/Vellora1.h"
#include "platform/Clipboard.h"
#include "platform/Wording.h"

#include <QWidget>

namespace HelpTags {

void set(QWidget* control, const QString& text) {
    control->setProperty("helpTag", text);
    control->setToolTip(MimeText::toDesktop(Wording::forDesktop(text)));
}

QString of(const QWidget* control) {
    return control->property("helpTag").toString();
}

void installMainWindowTags(Vellora1& w) {
    const std::pair<QWidget*, const char*> tags[] = {
        {w.QuitButton, "Click once on button to quit Vellora."},
        {w.LittleArrows1,
         "Click top arrow to windowshade Vellora in stages.\r\rClick the bottom arrow to lengthen "
         "Vellora again, one stage at a time."},
        {w.PrintOneLabel,
         "The three buttons under \"Print Selections\" quickly print your selected text and "
         "eliminate the need to navigate Page Setup and Print dialog boxes."},
        {w.VLPrintOneCopyNoStamp,
         "Prints one copy of your selection without a time-date stamp.\r\rSelect text or an image "
         "in your active application, then click this button."},
        {w.VLPrintOneCopy,
         "Prints one copy of your selection with a time-date stamp.\r\rWhen the selection comes "
         "from Safari or FireFox, the address of the web page is added to the stamp."},
        {w.PrintOneCopyWNote,
         "Prints one copy of your selection and allows you to add a note/comment.\r\rYou can also "
         "drag-and-drop text selections and clipping files into the note."},
        {w.PrintMultipleCopiesLabel,
         "Use the Page Setup button to customize the Page Setup settings."},
        {w.PageSetUpPushButton,
         "Use this button before using one of the Print Selection buttons to customize the Page "
         "Setup settings.\r\rThe settings are used until you quit Vellora."},
        {w.StaticText1,
         "Use the buttons under \"Clipboard Functions\" to manage the contents of the Clipboard."},
        {w.ClipboardToPrintBoardPushButton,
         "Saves the contents of the Clipboard to the closed PrintBoard.\r\rWhen the PrintBoard is "
         "open, paste into it instead."},
        {w.PrintClipboardPushButton, "Clicking this button prints the contents of the Clipboard."},
        {w.ClearClipboardPushButton, "Clicking this button deletes the contents of the Clipboard."},
        {w.PushButton1,
         "Click once to access the PrintBoard.\r\rThe PrintBoard collects text and images you "
         "want to print later.\r\rTIP:  You can drag-and-drop text or images onto this button to "
         "add them to the PrintBoard when the PrintBoard is closed."},
        {w.PreferencesPushButton,
         "Click once to access Vellora's preference settings.\r\rThe system-wide keyboard "
         "shortcuts are set from the Preferences window."},
        {w.HelpTagsCheckbox,
         "Click checkbox to toggle state of Help Tags.\r\rWhen a checkmark appears, holding the "
         "cursor over a Vellora button for a couple of seconds will cause a Help Tag to appear "
         "for that button.\r\rTo reopen a Help Tag, place the cursor over the button "
         "again.\r\rThe Help Tags also can be turned on/off from Vellora's Help menu."},
        {w.VLHelp,
         "Click once on this button to view Vellora's Help file (it includes many useful tips on "
         "using Vellora)."},
    };
    for (const auto& [control, text] : tags)
        set(control, QString::fromUtf8(text));
}

} // namespace HelpTags
