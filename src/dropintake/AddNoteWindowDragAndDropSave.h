#pragma once

#include "app/Controls.h"
#include "app/NoteField.h"
#include "app/SingletonWindow.h"

// "Add a Note": finishes a drop for the PrintBoard made with the "With Note" preference. Add
// Note appends the dropped material with the note and a stamp to the PrintBoard file.
class AddNoteWindowDragAndDropSave final : public SingletonWindow<AddNoteWindowDragAndDropSave> {
    Q_OBJECT
public:
    AddNoteWindowDragAndDropSave();

    NoteField* AddNoteEditFieldDragAndDrop;
    PaletteButton* CancelButton;
    PaletteButton* AddNoteDandDSave;

protected:
    void Open() override;
    void Close() override;

private:
    void addNote();
    void cancel();
};
