#pragma once

#include <QImage>
#include <QString>

class QMimeData;

// The system Clipboard as the application sees it. Texts inside the application use CR line
// breaks; at this boundary they become the desktop's LF and back.
//
// An empty text counts as text: after setText(""), offersText() is true. The print jobs rely on
// this to tell "the copy did not happen" (an empty text) from "nothing at all".
namespace Clipboard {

// Returns whether the Clipboard offers text (plain text, possibly empty).
bool offersText();

// Returns whether the Clipboard offers a picture.
bool offersPicture();

// Returns the Clipboard's text with CR line breaks, or an empty text when it offers none.
QString text();

// Returns the Clipboard's picture, or a null image when it offers none.
QImage picture();

// Puts text (CR line breaks) on the Clipboard as plain text, replacing what it held.
void setText(const QString& text);

// Puts a picture on the Clipboard, replacing what it held.
void setPicture(const QImage& picture);

// Puts exactly these formats on the Clipboard; takes ownership of data.
void setMimeData(QMimeData* data);

// Returns what the Clipboard holds now; never null.
const QMimeData* mimeData();

// Returns a deep copy of every format the Clipboard holds, byte for byte.
QMimeData* snapshot();

// Ends a use of the Clipboard. Nothing needs closing on this desktop; kept so the calls read
// as the jobs are written.
void release();

// Returns whether the Clipboard's content was put there by this application.
bool heldByUs();

} // namespace Clipboard

// Formats and line-break conversions shared by the Clipboard and drops.
namespace MimeText {

// Converts LF and CRLF line breaks to CR.
QString toInternal(QString text);

// Converts CR line breaks to LF.
QString toDesktop(QString text);

// Returns a deep copy of every format of data.
QMimeData* copyOf(const QMimeData& data);

// Returns the picture data offers (as an image or as image/* bytes), or a null image.
QImage pictureIn(const QMimeData& data);

} // namespace MimeText
