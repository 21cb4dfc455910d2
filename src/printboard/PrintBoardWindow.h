#pragma once

#include "app/Controls.h"
#include "app/SingletonWindow.h"
#include "platform/ContentSnapshot.h"

#include <QComboBox>
#include <QLabel>

class Vellora1;
class WASTEclass;
class WASTEfield;

// "PrintBoard: Collect Info You Want to Print": the editor of the PrintBoard document.
class PrintBoardWindow final : public SingletonWindow<PrintBoardWindow> {
    Q_OBJECT
public:
    PrintBoardWindow();

    QLabel* FontLabel;
    QComboBox* fontpopup;
    QLabel* SizeLabel;
    QComboBox* sizepopup;
    PaletteButton* CancelPrintBoardButton;
    PaletteButton* PrintPrintBoardButton;
    PaletteButton* PrintSelectionPushButton;
    PaletteButton* SavePushButton;
    PaletteButton* FindPushButton;
    PaletteButton* ClearPushButton;
    PaletteButton* HelpPrintBoardButton;
    QLabel* ImageWell1;
    QLabel* StaticText1;
    WASTEclass* PrintBoardEditField1;
    PaletteButton* PushButton1;
    WASTEfield* PrintBoardWASTEfield2;

    // Used by the editing tools.
    bool suppresspopup = false;
    int lastfound = 0;
    int options = 0;
    QString wrd;

    // Returns whether the document differs from what was last loaded or saved.
    bool hasUnsavedChanges() const;

    // The main window's "Open PrintBoard" button.
    static void install(Vellora1& window);

    static const QString kSaveFailed;

protected:
    void Open() override;
    bool CancelClose() override;
    void Close() override;
    void changeEvent(QEvent* event) override;

private:
    void updateButtons();
    void contentChanged();
    // Saves the document; on success the current content becomes the clean state.
    bool saveDocument();
    void markClean();

    ContentSnapshot m_clean;
    int m_cleanRevision = -1;
    bool m_dirty = false;
};
