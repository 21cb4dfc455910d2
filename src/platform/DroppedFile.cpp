#include "DroppedFile.h"

#include "Clipboard.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace DroppedFile {

Result readText(const QString& localPath, QString& text) {
    QFile file(localPath);
    if (!QFileInfo(localPath).isFile() || !file.open(QIODevice::ReadOnly))
        return Result::Unreadable;
    if (file.size() > kMaxBytes)
        return Result::TooLarge;
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes)
        return Result::TooLarge;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0 || (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f'))
            return Result::NotText;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        decoded = QString::fromLatin1(bytes);
    text = MimeText::toInternal(decoded);
    return Result::Text;
}

QString refusal(Result result, const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    switch (result) {
    case Result::TooLarge:
        return QStringLiteral("The file \"%1\" is too large to drop here.  Files of up to %2 MB "
                              "of text can be dropped.")
            .arg(name)
            .arg(kMaxBytes / (1024 * 1024));
    case Result::NotText:
        return QStringLiteral("The file \"%1\" does not hold text.  Only text files and text "
                              "clippings can be dropped here.")
            .arg(name);
    case Result::Unreadable:
        return QStringLiteral("The file \"%1\" could not be read.").arg(name);
    case Result::Text:
        break;
    }
    return QString();
}

} // namespace DroppedFile
