#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// The settings files of ":Vellora Resources:", each in its own small format. Every window reads
// and writes them through here. A file that is missing, unreadable or holds anything else than
// its format allows counts as holding no value; it never blocks or crashes start-up.
namespace Settings {

inline const QString Folder = QStringLiteral(":Vellora Resources");
inline const QString MainWindowPosition = QStringLiteral(":Vellora Resources:Vellora Preferences");
inline const QString DrawerPosition = QStringLiteral(":Vellora Resources:Vellora PreferencesDW");
inline const QString PrintBoardPosition =
    QStringLiteral(":Vellora Resources:Vellora PBWPreferences");
inline const QString DisplayPreference =
    QStringLiteral(":Vellora Resources:Vellora Display Preference");
inline const QString DragAndDrop = QStringLiteral(":Vellora Resources:Vellora DnD");
inline const QString Shortcuts = QStringLiteral(":Vellora Resources:Vellora KS");
inline const QString MinimizedDrawer = QStringLiteral(":Vellora Resources:Vellora MD");
inline const QString PrintingHotkey =
    QStringLiteral(":Vellora Resources:Vellora PrintingHotkey Preference");
inline const QString DisplayHotkey =
    QStringLiteral(":Vellora Resources:Vellora CMHotkey Preference");
inline const QString SaveHotkey =
    QStringLiteral(":Vellora Resources:Vellora ClipToPHotkey Preference");
inline const QString MainHelp = QStringLiteral(":Vellora Resources:Vellora Main Help");
inline const QString PrintBoardHelp = QStringLiteral(":Vellora Resources:PrintBoard Help");
inline const QString PrintBoard = QStringLiteral(":Vellora Resources:PrintBoard");

// Window-position files: four bytes, left then top, signed 16-bit, most significant byte first.
std::optional<QPoint> readPosition(const QString& file);
bool writePosition(const QString& file, QPoint position);

// One-line files: the first line, without its terminator, compared with each value ignoring
// the case of letters only (a trailing space makes another value). Returns the value as the
// list spells it, or nothing.
std::optional<QString> readValue(const QString& file, const QStringList& values);
// Returns whether the file holds this value.
bool holds(const QString& file, const QString& value);
// Writes the value and a line end as a new file that replaces the old one.
bool writeValue(const QString& file, const QString& value);

// Letter files: the letter alone, no line end; an empty file means no letter.
std::optional<QString> readLetter(const QString& file);
bool writeLetter(const QString& file, const QString& letter);

// Returns whether the resources folder exists beside the application.
bool folderExists();

// Tells the user, once per run, that the settings cannot be kept (a missing or read-only
// resources folder); later calls say nothing.
void reportCannotKeep();

// Lets the next reportCannotKeep() speak again (a new run).
void resetForNewRun();

} // namespace Settings
