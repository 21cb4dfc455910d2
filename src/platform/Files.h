#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Files addressed by paths relative to the application's folder, ":" between the components
// (":Vellora Resources:Vellora KS"). Writers replace a file atomically: a failed write leaves
// the previous file whole.
namespace Files {

// Returns the folder that holds the executable (or the folder a test set).
QString applicationFolder();

// Makes relative paths resolve against folder instead of the executable's (tests).
void setApplicationFolder(const QString& folder);

// Returns the absolute path of a ":"-separated relative path; an absolute path is returned as is.
QString resolve(const QString& relativePath);

// Returns whether the file exists (and is a file).
bool exists(const QString& relativePath);

// Returns whether the folder exists.
bool folderExists(const QString& relativePath);

// Returns the whole content, or nothing when the file is missing, unreadable or larger than
// maxBytes.
std::optional<QByteArray> readAll(const QString& relativePath, qint64 maxBytes);

// Returns at most the first maxBytes bytes, or nothing when the file is missing or unreadable.
std::optional<QByteArray> readStart(const QString& relativePath, qint64 maxBytes);

// Returns the file's size in bytes, or -1 when it is missing.
qint64 size(const QString& relativePath);

// Writes bytes as a new file that replaces any old one; returns false (old file kept) on failure.
bool writeAll(const QString& relativePath, const QByteArray& bytes);

// Removes the file; returns false when it could not be removed.
bool remove(const QString& relativePath);

// Makes every following write fail, as a full disk would (tests).
void setWritesFail(bool fail);

} // namespace Files
