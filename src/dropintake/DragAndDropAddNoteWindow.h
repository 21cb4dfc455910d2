#pragma once

#include "app/Controls.h"
#include "app/NoteField.h"
#include "app/SingletonWindow.h"

// "Add a Note to What You Are Printing": finishes a drop on a printer target made with the
// "With Note" preference. Add Note prints the dropped material with the note and a stamp.
class DragAndDropAddNoteWindow final : public SingletonWindow<DragAndDropAddNoteWindow> {
    Q_OBJECT
public:
    DragAndDropAddNoteWindow();

    NoteField* EditField1;
    PaletteButton* CancelPushButton;
    PaletteButton* AddNotePushButton;

protected:
    void Open() override;
    void Close() override;

private:
    void addNote();
    void cancel();
    bool m_finished = false;
};
