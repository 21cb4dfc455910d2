#include "Settings.h"

#include "platform/Desktop.h"
#include "platform/Files.h"

namespace Settings {

namespace {

bool g_reported = false;

// A one-line file's first line is short; reading stops long before a huge file's end.
constexpr qint64 kLineBytes = 4096;
constexpr qint64 kLetterBytes = 16;

bool written(bool ok) {
    if (!ok)
        reportCannotKeep();
    return ok;
}

} // namespace

std::optional<QPoint> readPosition(const QString& file) {
    if (Files::size(file) != 4)
        return std::nullopt;
    const auto bytes = Files::readStart(file, 4);
    if (!bytes || bytes->size() != 4)
        return std::nullopt;
    auto word = [&](int at) {
        const auto hi = static_cast<unsigned char>(bytes->at(at));
        const auto lo = static_cast<unsigned char>(bytes->at(at + 1));
        return static_cast<qint16>(static_cast<quint16>((hi << 8) | lo));
    };
    return QPoint(word(0), word(2));
}

bool writePosition(const QString& file, QPoint position) {
    QByteArray bytes(4, '\0');
    const auto left = static_cast<quint16>(static_cast<qint16>(position.x()));
    const auto top = static_cast<quint16>(static_cast<qint16>(position.y()));
    bytes[0] = char(left >> 8);
    bytes[1] = char(left & 0xff);
    bytes[2] = char(top >> 8);
    bytes[3] = char(top & 0xff);
    return written(Files::writeAll(file, bytes));
}

std::optional<QString> readValue(const QString& file, const QStringList& values) {
    const auto bytes = Files::readStart(file, kLineBytes);
    if (!bytes || bytes->contains('\0'))
        return std::nullopt;
    qsizetype end = bytes->indexOf('\n');
    const qsizetype cr = bytes->indexOf('\r');
    if (cr >= 0 && (end < 0 || cr < end))
        end = cr;
    if (end < 0 && bytes->size() == kLineBytes)
        return std::nullopt; // no line end in sight: not one of the short values
    const QString line = QString::fromUtf8(end < 0 ? *bytes : bytes->left(end));
    for (const QString& value : values) {
        if (line.compare(value, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

bool holds(const QString& file, const QString& value) {
    return readValue(file, QStringList{value}).has_value();
}

bool writeValue(const QString& file, const QString& value) {
    return written(Files::writeAll(file, value.toUtf8() + '\n'));
}

std::optional<QString> readLetter(const QString& file) {
    const qint64 size = Files::size(file);
    if (size < 0 || size > kLetterBytes)
        return std::nullopt;
    const auto bytes = Files::readStart(file, kLetterBytes);
    if (!bytes)
        return std::nullopt;
    const QString text = QString::fromUtf8(*bytes);
    if (text.isEmpty())
        return QString();
    if (text.size() != 1 || !text.at(0).isPrint() || text.at(0).isSpace())
        return std::nullopt;
    return text;
}

bool writeLetter(const QString& file, const QString& letter) {
    return written(Files::writeAll(file, letter.toUtf8()));
}

bool folderExists() {
    return Files::folderExists(Folder);
}

void reportCannotKeep() {
    if (g_reported)
        return;
    g_reported = true;
    desktop().beep();
    desktop().showMessage(
        QStringLiteral("Vellora cannot keep its settings or the PrintBoard.\r\r"
                       "The folder \"Vellora Resources\" beside Vellora is missing or cannot be "
                       "written to, so your preferences, window positions and PrintBoard will not "
                       "be saved.  Vellora will work with its standard settings until the folder "
                       "is back in place."));
}

void resetForNewRun() {
    g_reported = false;
}

} // namespace Settings
