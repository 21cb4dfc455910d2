#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString g_folder;
bool g_writesFail = false;
} // namespace

namespace Files {

QString applicationFolder() {
    if (!g_folder.isEmpty())
        return g_folder;
    return QCoreApplication::applicationDirPath();
}

void setApplicationFolder(const QString& folder) {
    g_folder = folder;
}

QString resolve(const QString& relativePath) {
    if (!relativePath.startsWith(QLatin1Char(':')))
        return relativePath;
    QString path = applicationFolder();
    const QStringList parts = relativePath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        // A component never climbs out of the application's folder.
        if (part == QLatin1String("..") || part == QLatin1String(".") ||
            part.contains(QLatin1Char('/')))
            return QString();
        path += QLatin1Char('/') + part;
    }
    return path;
}

bool exists(const QString& relativePath) {
    const QString path = resolve(relativePath);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool folderExists(const QString& relativePath) {
    const QString path = resolve(relativePath);
    return !path.isEmpty() && QFileInfo(path).isDir();
}

std::optional<QByteArray> readAll(const QString& relativePath, qint64 maxBytes) {
    const QString path = resolve(relativePath);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> readStart(const QString& relativePath, qint64 maxBytes) {
    const QString path = resolve(relativePath);
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

qint64 size(const QString& relativePath) {
    const QString path = resolve(relativePath);
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() ? info.size() : -1;
}

bool writeAll(const QString& relativePath, const QByteArray& bytes) {
    const QString path = resolve(relativePath);
    if (path.isEmpty() || g_writesFail)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool remove(const QString& relativePath) {
    const QString path = resolve(relativePath);
    return !path.isEmpty() && QFile::remove(path);
}

void setWritesFail(bool fail) {
    g_writesFail = fail;
}

} // namespace Files
