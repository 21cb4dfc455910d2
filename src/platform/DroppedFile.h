#pragma once

#include <QString>

// Reading a file that was dropped on the application: only its text takes part.
namespace DroppedFile {

enum class Result { Text, TooLarge, NotText, Unreadable };

// Dropped text files larger than this are refused.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

// Reads a local file as UTF-8 (or Latin-1) text with CR line breaks. A file with NUL bytes or
// control characters of a binary file is NotText; nothing is read past kMaxBytes.
Result readText(const QString& localPath, QString& text);

// Returns the message that tells the user why a dropped file was refused.
QString refusal(Result result, const QString& fileName);

} // namespace DroppedFile
