#include "Module1.h"

#include "platform/Desktop.h"

namespace Module1 {

void rememberUsersApplication(const QString& creator) {
    if (!creator.isEmpty() && !sameText(creator, Desktop::GetMyCreator()))
        FrontMostApp = creator;
}

void resetForNewRun() {
    FrontMostApp.clear();
    SaveOldText.clear();
    VelloraVisible = false;
    DrawerWindowVisible = false;
    DisplayVelloraWindow = false;
    DisplayDrawWindow = false;
    DisplayLastVisible.clear();
    MinimizeDrawerWindow = false;
    DragAndDropPrintPref.clear();
    ShortCutsEnabled = false;
    PKS.clear();
    PKSValue = 0;
    HSKS.clear();
    HSKSValue = 0;
    SKS.clear();
    SKSValue = 0;
    PreferrenceWindowIsVisible = false;
    PrintBoardVisible = false;
    PrintBoardMenuItems = 0;
    OpeningPrintBoardTextValue = 0;
    DragNDropSaveFlag = false;
    PrintBoardWindowReopen = false;
    DragAndDropFlag.clear();
    CheckForSafari.clear();
    CheckForFireFox.clear();
    ClipboardBorrowed = false;
}

} // namespace Module1
