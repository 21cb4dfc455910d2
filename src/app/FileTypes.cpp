#include "FileTypes.h"

#include <QFileInfo>

namespace FileTypes {

const std::vector<FileType>& all() {
    static const std::vector<FileType> types = {
        {QStringLiteral("text"), QStringLiteral("????"), QStringLiteral("TEXT"),
         QStringLiteral(".txt")},
        {QStringLiteral("text clipping"), QStringLiteral("drag"), QStringLiteral("clpt"),
         QString()},
        {QStringLiteral("MyPrefs"), QStringLiteral("ttxt"), QStringLiteral("TEXT"), QString()},
        {QStringLiteral("VelloraPreferences"), QStringLiteral("ttxt"), QStringLiteral("TEXT"),
         QString()},
    };
    return types;
}

bool acceptsDroppedFile(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix.isEmpty() || suffix == QLatin1String("txt") || suffix == QLatin1String("text") ||
           suffix == QLatin1String("textclipping") || suffix == QLatin1String("clipping");
}

} // namespace FileTypes
