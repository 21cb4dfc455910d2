#include "Stamp.h"

#include "app/Module1.h"
#include "platform/Clipboard.h"
#include "platform/CreatorCodes.h"
#include "platform/Desktop.h"
#include "platform/WASTEfield.h"

#include <QLocale>

namespace Stamp {

QString dateText(const QDateTime& moment) {
    return QLocale().toString(moment.date(), QLocale::LongFormat);
}

QString timeText(const QDateTime& moment) {
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    // The long time format ends with the time zone; a stamp shows the time of day only.
    format.remove(QLatin1Char('t'));
    format = format.trimmed();
    return QLocale().toString(moment.time(), format);
}

QString dateAndTime(const QDateTime& moment) {
    return dateText(moment) + QStringLiteral("  ") + timeText(moment);
}

QString addressScriptFor(const QString& creator) {
    if (sameText(creator, QString::fromLatin1(CreatorCodes::Safari)))
        return QStringLiteral("GetSafariURL2");
    if (sameText(creator, QString::fromLatin1(CreatorCodes::Firefox)))
        return QStringLiteral("GetFireFoxURL");
    return QString();
}

void appendClipboardText(WASTEfield& field) {
    field.SetText(field.Text() + Clipboard::text());
}

void addAddress(WASTEfield& stampField, const QString& script) {
    Clipboard::setText(QStringLiteral("\r\r"));
    appendClipboardText(stampField);
    desktop().runAddressScript(script);
    appendClipboardText(stampField);
}

void composeAndAdd(WASTEfield& stampField, WASTEfield& printField, const QDateTime& moment,
                   const QString& safariCreator, const QString& firefoxCreator,
                   const QString* note) {
    if (sameText(safariCreator, QString::fromLatin1(CreatorCodes::Safari)))
        addAddress(stampField, QStringLiteral("GetSafariURL2"));
    else if (sameText(firefoxCreator, QString::fromLatin1(CreatorCodes::Firefox)))
        addAddress(stampField, QStringLiteral("GetFireFoxURL"));

    QString text = stampField.Text() + QStringLiteral("\r\r");
    if (note)
        text += QStringLiteral("Note: ") + *note + QStringLiteral("\r\r");
    text += dateAndTime(moment) + QLatin1Char('\r') + PrintSeparator;
    stampField.SetText(text);
    Clipboard::release();

    stampField.SetSelection(0, stampField.GetTextLength());
    stampField.Copy();
    printField.Paste();
}

} // namespace Stamp
