#include "StyledHtml.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QUrl>
#include <atomic>
#include <map>

QVariant SafeTextDocument::loadResource(int type, const QUrl& name) {
    Q_UNUSED(type);
    Q_UNUSED(name);
    return QVariant();
}

namespace {

const QString kScheme = QStringLiteral("vlpic");
// Pictures larger than this many pixels are refused rather than decoded.
constexpr qint64 kMaxPicturePixels = qint64(12000) * 12000;

QString newPictureName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("%1:%2").arg(kScheme).arg(++counter);
}

QString dataUrl(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

// Every picture named in html that document holds, replaced by its embedded form.
QString embedPictures(QString html, const QTextDocument& document) {
    static const QRegularExpression src(QStringLiteral("src=\"(vlpic:[0-9]+)\""));
    std::map<QString, QString> urls;
    QString out;
    out.reserve(html.size());
    qsizetype last = 0;
    auto it = src.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString name = m.captured(1);
        auto found = urls.find(name);
        if (found == urls.end()) {
            const QImage image =
                qvariant_cast<QImage>(document.resource(QTextDocument::ImageResource, QUrl(name)));
            found = urls.emplace(name, image.isNull() ? QString() : dataUrl(image)).first;
        }
        out += QStringView(html).mid(last, m.capturedStart() - last);
        out += QStringLiteral("src=\"") + found->second + QLatin1Char('"');
        last = m.capturedEnd();
    }
    out += QStringView(html).mid(last);
    return out;
}

QImage decodeDataUrl(const QString& url) {
    static const QRegularExpression shape(
        QStringLiteral("^data:image/[a-zA-Z0-9.+-]+;base64,([A-Za-z0-9+/=\\s]*)$"));
    const auto m = shape.match(url);
    if (!m.hasMatch())
        return QImage();
    const QByteArray bytes = QByteArray::fromBase64(m.captured(1).toLatin1());
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return QImage();
    return reader.read();
}

} // namespace

namespace StyledHtml {

QString addPicture(QTextDocument& target, const QImage& picture) {
    const QString name = newPictureName();
    target.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    return name;
}

QString fromDocument(const QTextDocument& document) {
    return embedPictures(document.toHtml(), document);
}

QString fromSelection(const QTextCursor& selection) {
    const QTextDocument* document = selection.document();
    return embedPictures(QTextDocumentFragment(selection).toHtml(), *document);
}

QTextDocumentFragment toFragment(QString html, QTextDocument& target) {
    // Each <img>: an embedded picture becomes a resource of target; anything else goes.
    static const QRegularExpression img(QStringLiteral("<img\\b[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression src(
        QStringLiteral("\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(html.size());
    qsizetype last = 0;
    auto it = img.globalMatch(html);
    while (it.hasNext()) {
        const auto tag = it.next();
        out += QStringView(html).mid(last, tag.capturedStart() - last);
        last = tag.capturedEnd();
        QString element = tag.captured(0);
        const auto s = src.match(element);
        if (!s.hasMatch())
            continue;
        const QString value = s.captured(1) + s.captured(2) + s.captured(3);
        const QImage picture = decodeDataUrl(value);
        if (picture.isNull())
            continue;
        element.replace(s.capturedStart(), s.capturedLength(),
                        QStringLiteral("src=\"%1\"").arg(addPicture(target, picture)));
        out += element;
    }
    out += QStringView(html).mid(last);
    return QTextDocumentFragment::fromHtml(out, &target);
}

bool isWholeDocument(const QByteArray& bytes, QString* text) {
    if (bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    const QString trimmed = decoded.trimmed();
    const bool starts = trimmed.startsWith(QLatin1String("<!DOCTYPE html"), Qt::CaseInsensitive) ||
                        trimmed.startsWith(QLatin1String("<html"), Qt::CaseInsensitive);
    if (!starts || !trimmed.endsWith(QLatin1String("</html>"), Qt::CaseInsensitive))
        return false;
    if (text)
        *text = std::move(decoded);
    return true;
}

} // namespace StyledHtml
