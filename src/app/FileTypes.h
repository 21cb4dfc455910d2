#pragma once

#include <QString>
#include <vector>

// The four file types the application registers, in their order; drop targets read them.
struct FileType {
    QString name;
    QString creator;
    QString type;
    QString extension;
};

namespace FileTypes {

const std::vector<FileType>& all();

// Returns whether a dropped file of this name is one of the kinds the drop targets take
// ("TEXT" files and "text clipping" files): on this desktop, plain-text files (by extension or
// with none) and the application's own clipping files.
bool acceptsDroppedFile(const QString& fileName);

} // namespace FileTypes
