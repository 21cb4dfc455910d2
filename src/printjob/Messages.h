#pragma once

#include <QString>

// The selection-print jobs' messages, exactly as the user sees them (CR line breaks).
namespace Messages {

inline const QString ClickWindowFirst =
    QStringLiteral("Please click once on the window you wish to print from to make it active.");

inline const QString NothingSelected = QStringLiteral(
    "Whoops, nothing appears to be selected.\r\r"
    "If you have selected text in your active application and you are getting this message, "
    "it's possible Vellora's Print buttons do not work with that program.\r\r"
    "If you have selected an image or text, with most programs Vellora will print your "
    "selection when you drag-and-drop it onto Vellora's Drawer Display, Vellora's Desktop "
    "Printer, or the printer icon on Vellora's Main Display window.\r\r"
    "Additionally, you can copy an image or text to the Clipboard and then have Vellora print "
    "the contents of the Clipboard.");

inline const QString Repeat = QStringLiteral(
    "It appears that you are printing the same material that was in your last print job or you "
    "haven't selected the text you wish to print.\r\r"
    "In either case, please be sure the text you want to print is selected, and then click the "
    "Vellora button again.");

inline const QString NoteNothingSelected = QStringLiteral(
    "Whoops, nothing appears to be selected.\r\r"
    "If you have selected text, a picture, or a graphic in your active application and you are "
    "getting this message, it's possible Vellora doesn't work with that program or just the "
    "selected item.  In any case, please try again.\r\r"
    "Please note that in most programs, including Safari, an optional way to print a selected "
    "image or text is to drag-and-drop it onto Vellora's Drawer Display, Vellora's Desktop "
    "Printer, or the printer icon on Vellora's Main Display window.");

inline const QString NoteRepeat = QStringLiteral(
    "It appears that you are printing the same item that was in your last print job, or you "
    "haven't selected the item you wish to print, or Vellora is having difficulty communicating "
    "with the program that contains your selection.\r\r"
    "In any case, please be sure the text or image you want to print is selected and then use "
    "Vellora again to print your selection.");

inline const QString EmptyClipboardPrint = QStringLiteral(
    "Whoops, there doesn't appear to be anything on the Clipboard to Print.\r\r"
    "If you have selected text, a picture, or a graphic in your active application and have "
    "tried to copy the selection onto the Clipboard but are still getting this message, it's "
    "possible that program isn't allowing you to place its contents on the Clipboard or isn't "
    "allowing Vellora to access its Clipboard.\r\r"
    "When working with most web browsers, you can add a graphic/picture to the Clipboard by "
    "Control-clicking the item.\r\r"
    "Please note that in most programs, with Vellora you also can print a selected image or text "
    "simply by dragging and dropping it onto Vellora's Drawer Display, Vellora's Desktop "
    "Printer, or the printer icon on Vellora's Main Display window.");

inline QString printError(int code) {
    return QStringLiteral("Print Error: ") + QString::number(code);
}
inline QString printingError(int code) {
    return QStringLiteral("Printing Error: ") + QString::number(code);
}
inline QString pageSetupError(int code) {
    return QStringLiteral("Page Setup Error: ") + QString::number(code);
}

} // namespace Messages
