#pragma once

#include <QDateTime>
#include <QString>

class WASTEfield;

// The pieces of every stamp of the application: the moment as a date text and a time text,
// the page address of a browser, the note and the separator lines.
namespace Stamp {

inline const QString PrintSeparator =
    QStringLiteral("---------------------------Selection--------------------------");
inline const QString PrintBoardSeparator =
    QStringLiteral("----------------------Selection---------------------");

// The locale's long date ("Friday, December 11, 2026").
QString dateText(const QDateTime& moment);

// The locale's time of day with seconds, without a time zone ("9:30:02 AM").
QString timeText(const QDateTime& moment);

// Date text, two blanks, time text: the stamp line.
QString dateAndTime(const QDateTime& moment);

// Returns the address script for a browser's creator code ("GetSafariURL2", "GetFireFoxURL"),
// or an empty text for any other application.
QString addressScriptFor(const QString& creator);

// Appends the Clipboard's text to field as plain text: an address never comes in as markup.
void appendClipboardText(WASTEfield& field);

// Appends two line breaks and the page address that the named address script leaves on the
// Clipboard (or two more line breaks when it fails) to field.
void addAddress(WASTEfield& field, const QString& script);

// Composes the stamp of a print-button job in the stamp field and pastes it after the selection
// in the print field: [CR CR address] CR CR [Note: note CR CR] date  time CR separator.
// safariCreator and firefoxCreator are the codes the job tests for each browser.
void composeAndAdd(WASTEfield& stampField, WASTEfield& printField, const QDateTime& moment,
                   const QString& safariCreator, const QString& firefoxCreator,
                   const QString* note);

} // namespace Stamp
