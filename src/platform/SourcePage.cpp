#include "SourcePage.h"

#include <QMimeData>
#include <QUrl>

namespace {

QString g_last;

// Firefox writes its private URL format in UTF-16; Chromium in UTF-8.
QString decode(const QByteArray& bytes) {
    if (bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes.at(1) == '\0') {
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                                  bytes.size() / 2);
    }
    return QString::fromUtf8(bytes);
}

} // namespace

namespace SourcePage {

QString addressIn(const QMimeData& data) {
    for (const char* format : {"text/x-moz-url-priv", "chromium/x-source-url"}) {
        const QString name = QString::fromLatin1(format);
        if (!data.hasFormat(name))
            continue;
        QString address = decode(data.data(name)).section(QLatin1Char('\n'), 0, 0).trimmed();
        address.remove(QChar(0));
        const QUrl url(address, QUrl::TolerantMode);
        if (url.isValid() && !url.scheme().isEmpty())
            return address;
    }
    return QString();
}

void note(const QMimeData& data) {
    g_last = addressIn(data);
}

QString lastAddress() {
    return g_last;
}

void forget() {
    g_last.clear();
}

} // namespace SourcePage
