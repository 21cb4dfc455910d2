#include "PrintBoardFile.h"

#include "platform/Files.h"
#include "platform/WASTEfield.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace PrintBoardFile {

bool exists() {
    return Files::exists(Settings::PrintBoard);
}

bool folderExists() {
    return Settings::folderExists();
}

Loaded loadInto(WASTEfield& field, QString* asideName) {
    if (!exists())
        return Loaded::Missing;
    const bool readOnly = field.ReadOnly();
    field.SetReadOnly(false);
    const bool loaded = field.LoadFile(Settings::PrintBoard, 0, field.GetTextLength());
    field.SetReadOnly(readOnly);
    if (loaded)
        return Loaded::Whole;
    const QString path = Files::resolve(Settings::PrintBoard);
    const QString aside =
        path +
        QStringLiteral(" (unreadable %1)")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    QFile::rename(path, aside);
    if (asideName)
        *asideName = QFileInfo(aside).fileName();
    return Loaded::SetAside;
}

bool save(const WASTEfield& field) {
    return field.SaveFile(Settings::PrintBoard);
}

QString setAsideMessage(const QString& asideName) {
    return QStringLiteral("The PrintBoard file could not be read, so Vellora has kept it as "
                          "\"%1\" in the folder \"Vellora Resources\" and started a new "
                          "PrintBoard.  Nothing of the old file has been changed.")
        .arg(asideName);
}

} // namespace PrintBoardFile
