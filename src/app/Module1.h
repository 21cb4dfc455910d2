#pragma once

#include <QString>

// The application-wide state: plain globals, all false, 0 or empty when the application starts.
namespace Module1 {

inline QString FrontMostApp;
inline QString SaveOldText;
inline bool VelloraVisible = false;
inline bool DrawerWindowVisible = false;
inline bool DisplayVelloraWindow = false;
inline bool DisplayDrawWindow = false;
inline QString DisplayLastVisible;
inline bool MinimizeDrawerWindow = false;
inline QString DragAndDropPrintPref;
inline bool ShortCutsEnabled = false;
inline QString PKS;
inline int PKSValue = 0;
inline QString HSKS;
inline int HSKSValue = 0;
inline QString SKS;
inline int SKSValue = 0;
inline bool PreferrenceWindowIsVisible = false;
inline bool PrintBoardVisible = false;
inline int PrintBoardMenuItems = 0;
inline int OpeningPrintBoardTextValue = 0;
inline bool DragNDropSaveFlag = false;
inline bool PrintBoardWindowReopen = false;
inline QString DragAndDropFlag;
inline QString CheckForSafari;
inline QString CheckForFireFox;
// A job has saved the user's Clipboard and not yet given it back.
inline bool ClipboardBorrowed = false;

// Prints whatever the Clipboard holds.
void PrintClipboard();

// Makes another application, given by its creator code, the one to bring back to the front
// when the current operation ends; this application's own code and an empty one change
// nothing.
void rememberUsersApplication(const QString& creator);

// Puts every property back to its start value, as a new run begins (tests start runs too).
void resetForNewRun();

} // namespace Module1

// Text comparisons of the application ignore the case of letters.
inline bool sameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
