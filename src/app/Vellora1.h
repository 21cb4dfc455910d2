#pragma once

#include "Controls.h"
#include "SingletonWindow.h"

#include <QCheckBox>
#include <QLabel>

class Timer;
class WASTEfield;

// The main window: the Full Display palette and the Desktop Printer. It owns the hidden working
// fields and every timer of the application, and lives for the whole run.
class Vellora1 final : public SingletonWindow<Vellora1> {
    Q_OBJECT
public:
    Vellora1();
    ~Vellora1() override;

    // Visible controls
    BevelButton* QuitButton;
    LittleArrows* LittleArrows1;
    BevelButton* IconifyButton;
    QLabel* PrintOneLabel;
    PaletteButton* VLPrintOneCopyNoStamp;
    PaletteButton* VLPrintOneCopy;
    PaletteButton* PrintOneCopyWNote;
    QLabel* PrintMultipleCopiesLabel;
    PaletteButton* PageSetUpPushButton;
    Separator* Separator3;
    Separator* Separator4;
    QLabel* StaticText1;
    PaletteButton* ClipboardToPrintBoardPushButton;
    PaletteButton* PrintClipboardPushButton;
    PaletteButton* ClearClipboardPushButton;
    Separator* Separator2;
    Separator* Separator5;
    PaletteButton* PushButton1;
    Separator* Separator1;
    Separator* Separator6;
    PaletteButton* PreferencesPushButton;
    WrappingCheckBox* HelpTagsCheckbox;
    PaletteButton* VLHelp;

    // Controls outside the visible area
    PaletteButton* VLPrintMultipleCopies;
    PaletteButton* PrintMultipleCopiesWNote;
    PaletteButton* VLPrintMultpleCopiesNoStamp;
    WASTEfield* WASTEfield1;
    WASTEfield* SaveOldClipboardWASTEfield;
    WASTEfield* SaveLastJobWASTEfield;
    WASTEfield* EditField1;
    WASTEfield* EditField2;
    WASTEfield* NewEditfield3;
    Canvas* DragAndDropBackDropCanvas;

    // Timers
    Timer* PrintNoStampTimer1;
    Timer* PrintNoStampTimer2;
    Timer* PrintOneCopyWStampTimer1;
    Timer* PrintOneCopyWStampTimer2;
    Timer* PrintMultpleCopiesNoStampTimer1;
    Timer* PrintMultpleCopiesNoStampTimer2;
    Timer* PrintMultipleCopiesWStampTimer1;
    Timer* PrintMultipleCopiesWStampTimer2;
    Timer* AddNoteNoPageSetUpTimer;
    Timer* AddNoteWithPageSetUpTimer;
    Timer* InitializePKSTimer;
    Timer* HelpTagTimer;
    Timer* DrawerWindowUpTimer;
    Timer* DrawerWindowDownTimer;

    // Window position of the content area, as the old framework reports it.
    int Left() const { return geometry().x(); }
    int Top() const { return geometry().y(); }
    void setLeft(int left);
    void setTop(int top);
    void setSize(int width, int height);

    // Quits the application as the Quit command does: refused while the PrintBoard has unsaved
    // changes; otherwise the windows close, writing their positions.
    static void quitApplication();

    static const QString kUnsavedPrintBoard;

protected:
    void Open() override;
    bool CancelClose() override;
    void Close() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    WASTEfield* hiddenField(const QString& name, const QString& font, int left, int top, int width,
                            int height);
    Timer* timer(const QString& name, int periodMs);
};
