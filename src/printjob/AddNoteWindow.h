#pragma once

#include "app/Controls.h"
#include "app/NoteField.h"
#include "app/SingletonWindow.h"

class Vellora1;

// The note window of the two "W/Date+Note" buttons: the user types a note, and Add Note starts
// the print job that prints the selection with the stamp and the note.
class AddNoteWindow final : public SingletonWindow<AddNoteWindow> {
    Q_OBJECT
public:
    AddNoteWindow();

    NoteField* EditField3;
    PaletteButton* CancelButton;
    PaletteButton* AddNotePrMultButton;
    PaletteButton* AddNoteButton;

    // The action of the main window's W/Date+Note buttons: opens and places the window, showing
    // the Add Note button of that job.
    static void openFor(bool withPageSetup);

    // Connects the main window's two W/Date+Note buttons and the note jobs to this window.
    static void install(Vellora1& window);

protected:
    void Open() override;

private:
    void addNote(bool withPageSetup);
};
