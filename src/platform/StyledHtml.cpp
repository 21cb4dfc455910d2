#include "StyledHtml.h"

#include <QBuffer>
#include <QHash>
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
#include <list>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace {

const QString kScheme = QStringLiteral("vlpic");
const QLatin1String kPngPrefix("data:image/png;base64,");
// Pictures larger than this many pixels are refused rather than decoded.
constexpr qint64 kMaxPicturePixels = qint64(12000) * 12000;

QString newPictureName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("%1:%2").arg(kScheme).arg(++counter);
}

// The base64 PNG of each picture by its resource name, so that saving and copying do not
// encode again a picture that was read from a file or embedded before: PNG encoding is most of
// a save. A name is never given twice in the process and its picture is never changed in place,
// so one store serves every document; the image's cache key is checked all the same, so that a
// picture changed or replaced under its name is encoded afresh. A SafeTextDocument forgets its
// pictures when it is emptied or destroyed; the limit bounds the rest.
class EmbeddedPictures final {
public:
    // Returns the base64 PNG kept for name when it was made from picture, else a null array.
    QByteArray find(const QString& name, const QImage& picture) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_entries.find(name);
        if (it == m_entries.end() || it->key != picture.cacheKey())
            return QByteArray();
        m_order.splice(m_order.begin(), m_order, it->use);
        return it->base64;
    }

    // Keeps base64 as the PNG of picture under name. A save walks its pictures in the order of
    // the load before it, so letting a save push out older entries would push out the very ones
    // it is about to use when a board holds more than the limit: only a load may evict.
    void keep(const QString& name, const QImage& picture, const QByteArray& base64, bool evict) {
        const qint64 size = base64.size();
        const std::lock_guard<std::mutex> lock(m_mutex);
        drop(name);
        // One huge picture would push out everything else.
        if (base64.isEmpty() || size > m_limit / 4)
            return;
        if (m_bytes + size > m_limit && !evict)
            return;
        shrinkTo(m_limit - size);
        m_order.push_front(name);
        m_entries.insert(name, Entry{picture.cacheKey(), base64, m_order.begin()});
        m_bytes += size;
    }

    // Lets go of what is kept for names, whose pictures are gone.
    void forget(const QStringList& names) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const QString& name : names)
            drop(name);
    }

    void setLimit(qint64 bytes) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_limit = std::max<qint64>(0, bytes);
        shrinkTo(m_limit);
    }

    qint64 bytes() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_bytes;
    }

private:
    struct Entry {
        qint64 key;
        QByteArray base64;
        std::list<QString>::iterator use;
    };

    void drop(const QString& name) {
        const auto it = m_entries.find(name);
        if (it == m_entries.end())
            return;
        m_bytes -= it->base64.size();
        m_order.erase(it->use);
        m_entries.erase(it);
    }

    void shrinkTo(qint64 bytes) {
        while (m_bytes > bytes && !m_order.empty()) {
            const QString oldest = m_order.back();
            drop(oldest);
        }
    }

    std::mutex m_mutex;
    QHash<QString, Entry> m_entries;
    std::list<QString> m_order; // most recently used first
    qint64 m_bytes = 0;
    qint64 m_limit = StyledHtml::kEmbeddedPictureLimit;
};

EmbeddedPictures& embedded() {
    // Never destroyed: documents may be destroyed after it at exit, and forget their pictures.
    static auto* pictures = new EmbeddedPictures;
    return *pictures;
}

QByteArray pngBase64(const QString& name, const QImage& image) {
    QByteArray base64 = embedded().find(name, image);
    if (!base64.isNull())
        return base64;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    base64 = png.toBase64();
    embedded().keep(name, image, base64, false);
    return base64;
}

// Every picture named in html that document holds, replaced by its embedded form.
QString embedPictures(QString html, const QTextDocument& document) {
    static const QRegularExpression src(QStringLiteral("src=\"(vlpic:[0-9]+)\""));
    // A picture shown twice is looked up once; nullopt for a name the document does not hold.
    std::map<QString, std::optional<QByteArray>> pictures;
    QString out;
    out.reserve(html.size());
    qsizetype last = 0;
    auto it = src.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString name = m.captured(1);
        auto found = pictures.find(name);
        if (found == pictures.end()) {
            const QImage image =
                qvariant_cast<QImage>(document.resource(QTextDocument::ImageResource, QUrl(name)));
            found = pictures
                        .emplace(name, image.isNull() ? std::nullopt
                                                      : std::optional(pngBase64(name, image)))
                        .first;
        }
        out += QStringView(html).mid(last, m.capturedStart() - last);
        out += QLatin1String("src=\"");
        if (found->second) {
            out += kPngPrefix;
            out += QLatin1String(*found->second);
        }
        out += QLatin1Char('"');
        last = m.capturedEnd();
    }
    out += QStringView(html).mid(last);
    return out;
}

struct Decoded {
    QImage picture;
    // The data URL's base64 when it is what saving may write: a PNG (whatever type the URL
    // gave it) in plain base64, without line breaks. Null otherwise, and saving encodes anew.
    QByteArray pngBase64;
};

Decoded decodeDataUrl(const QString& url) {
    static const QRegularExpression shape(
        QStringLiteral("^data:image/[a-zA-Z0-9.+-]+;base64,([A-Za-z0-9+/=\\s]*)$"));
    const auto m = shape.match(url);
    if (!m.hasMatch())
        return {};
    // From a view: a temporary QString would hand the bytes its UTF-16 buffer, twice the size,
    // and the kept form would hold all of it.
    QByteArray base64 = m.capturedView(1).toLatin1();
    auto strict = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    const bool plain = bool(strict);
    const QByteArray bytes = plain ? std::move(strict.decoded) : QByteArray::fromBase64(base64);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    // The reader tells the format only before it has read the picture.
    const bool png = plain && reader.format() == "png";
    Decoded decoded{reader.read(), QByteArray()};
    if (png)
        decoded.pngBase64 = std::move(base64);
    return decoded;
}

// Browsers give their text sizes in CSS pixels. A field's sizes are points: a pixel size
// would be one pixel of the paint device, which on paper is a speck.
QTextDocumentFragment withPointSizes(const QTextDocumentFragment& fragment) {
    constexpr double kPointsPerCssPixel = 72.0 / 96.0;
    auto toPoints = [](QTextCharFormat& format) {
        const int pixels = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(qMax(1.0, pixels * kPointsPerCssPixel));
    };
    SafeTextDocument scratch;
    QTextCursor all(&scratch);
    all.insertFragment(fragment);
    struct Run {
        int start;
        int end;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    for (QTextBlock block = scratch.begin(); block.isValid(); block = block.next()) {
        QTextCharFormat blockFormat = block.charFormat();
        if (blockFormat.hasProperty(QTextFormat::FontPixelSize)) {
            toPoints(blockFormat);
            QTextCursor(block).setBlockCharFormat(blockFormat);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment part = it.fragment();
            QTextCharFormat format = part.charFormat();
            if (!format.hasProperty(QTextFormat::FontPixelSize))
                continue;
            toPoints(format);
            runs.push_back({part.position(), part.position() + part.length(), format});
        }
    }
    if (runs.empty())
        return fragment;
    // Applied after the walk: a new format merges fragments under the walk's feet.
    for (const Run& run : runs) {
        QTextCursor c(&scratch);
        c.setPosition(run.start);
        c.setPosition(run.end, QTextCursor::KeepAnchor);
        c.setCharFormat(run.format);
    }
    return QTextDocumentFragment(&scratch);
}

} // namespace

SafeTextDocument::~SafeTextDocument() {
    embedded().forget(m_pictures);
}

void SafeTextDocument::clear() {
    QTextDocument::clear();
    embedded().forget(m_pictures);
    m_pictures.clear();
}

QVariant SafeTextDocument::loadResource(int type, const QUrl& name) {
    Q_UNUSED(type);
    Q_UNUSED(name);
    return QVariant();
}

namespace StyledHtml {

QString addPicture(QTextDocument& target, const QImage& picture) {
    const QString name = newPictureName();
    target.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    if (auto* safe = qobject_cast<SafeTextDocument*>(&target))
        safe->notePicture(name);
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
        const Decoded decoded = decodeDataUrl(value);
        if (decoded.picture.isNull())
            continue;
        const QString name = addPicture(target, decoded.picture);
        // Saving this document writes the picture as the file had it, without encoding it.
        if (!decoded.pngBase64.isNull())
            embedded().keep(name, decoded.picture, decoded.pngBase64, true);
        element.replace(s.capturedStart(), s.capturedLength(),
                        QStringLiteral("src=\"%1\"").arg(name));
        out += element;
    }
    out += QStringView(html).mid(last);
    // Only HTML that names a length in pixels can give one as a text size, and only then is the
    // walk needed: a board of thousands of entries loads without it.
    static const QRegularExpression pixelSize(QStringLiteral("[0-9]px"),
                                              QRegularExpression::CaseInsensitiveOption);
    QTextDocumentFragment fragment = QTextDocumentFragment::fromHtml(out, &target);
    return pixelSize.match(out).hasMatch() ? withPointSizes(fragment) : fragment;
}

void setEmbeddedPictureLimit(qint64 bytes) {
    embedded().setLimit(bytes);
}

qint64 embeddedPictureBytes() {
    return embedded().bytes();
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
