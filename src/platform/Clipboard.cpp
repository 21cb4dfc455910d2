#include "Clipboard.h"

#include "SourcePage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QTextDocumentFragment>

namespace {

// The last object this application handed to the Clipboard, to tell our content from others'.
QPointer<QMimeData> g_ours;

QClipboard* board() {
    return QGuiApplication::clipboard();
}

void put(QMimeData* data) {
    g_ours = data;
    board()->setMimeData(data);
}

} // namespace

namespace Clipboard {

namespace {

// The characters of styled text that comes without plain text; pictures do not count.
QString htmlCharacters(const QMimeData& d) {
    QString text = QTextDocumentFragment::fromHtml(d.html()).toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text;
}

bool hasPlainText(const QMimeData& d) {
    return d.hasFormat(QStringLiteral("text/plain")) ||
           d.hasFormat(QStringLiteral("text/plain;charset=utf-8"));
}

} // namespace

bool offersText() {
    const QMimeData* d = mimeData();
    return hasPlainText(*d) || (d->hasHtml() && !htmlCharacters(*d).trimmed().isEmpty());
}

bool offersPicture() {
    return !MimeText::pictureIn(*mimeData()).isNull();
}

QString text() {
    const QMimeData* d = mimeData();
    if (hasPlainText(*d))
        return MimeText::toInternal(d->text());
    return offersText() ? MimeText::toInternal(htmlCharacters(*d)) : QString();
}

QImage picture() {
    return MimeText::pictureIn(*mimeData());
}

void setText(const QString& text) {
    auto* d = new QMimeData;
    d->setText(MimeText::toDesktop(text));
    put(d);
}

void setPicture(const QImage& picture) {
    auto* d = new QMimeData;
    d->setImageData(picture);
    put(d);
}

void setMimeData(QMimeData* data) {
    put(data);
}

const QMimeData* mimeData() {
    static QMimeData empty;
    const QMimeData* d = board()->mimeData();
    return d ? d : &empty;
}

QMimeData* snapshot() {
    return MimeText::copyOf(*mimeData());
}

void release() {}

bool heldByUs() {
    const QMimeData* d = board()->mimeData();
    return d && g_ours && d == g_ours.data();
}

} // namespace Clipboard

namespace MimeText {

QString toInternal(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

QString toDesktop(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMimeData* copyOf(const QMimeData& data) {
    auto* copy = new QMimeData;
    const QStringList formats = data.formats();
    for (const QString& f : formats) {
        // Qt's own picture format is an image object, not bytes; it is copied as a picture below.
        if (f != QLatin1String("application/x-qt-image"))
            copy->setData(f, data.data(f));
    }
    if (data.hasImage())
        copy->setImageData(data.imageData());
    return copy;
}

QImage pictureIn(const QMimeData& data) {
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (!image.isNull())
            return image;
    }
    for (const char* format : {"image/png", "image/jpeg", "image/bmp", "image/gif"}) {
        const QString name = QString::fromLatin1(format);
        if (data.hasFormat(name)) {
            QImage image;
            if (image.loadFromData(data.data(name)))
                return image;
        }
    }
    return QImage();
}

} // namespace MimeText
