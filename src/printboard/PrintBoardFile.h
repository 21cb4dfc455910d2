#pragma once

#include <QString>

class WASTEfield;

// The PrintBoard document ":Vellora Resources:PrintBoard", in the styled text field's own
// format. Saving replaces it atomically; a file that cannot be read is never overwritten.
namespace PrintBoardFile {

enum class Loaded { Missing, Whole, SetAside };

// Loads the board over the whole content of field, keeping its read-only setting. A file that
// exists but cannot be read is renamed aside (its name in *asideName) so that nothing
// overwrites it, and the field is left as it was.
Loaded loadInto(WASTEfield& field, QString* asideName);

// Writes the field's whole content to the board; false (the old file whole) on failure.
bool save(const WASTEfield& field);

// Returns whether the board file exists.
bool exists();

// Returns whether the folder that keeps the board exists.
bool folderExists();

// The message after a file was set aside.
QString setAsideMessage(const QString& asideName);

} // namespace PrintBoardFile
