#pragma once

#include <QString>

class Vellora1;
class PaletteButton;
class Timer;

// The selection-print jobs of the main window: save the user's Clipboard, have the application
// in front copy its selection, print what arrives (with a stamp or a note where the button
// says so), then give the Clipboard back and return that application to the front.
namespace SelectionJobs {

struct Variant {
    PaletteButton* Vellora1::*button; // nullptr for the note jobs, started by the note window
    Timer* Vellora1::*firstTimer;     // nullptr for the note jobs
    Timer* Vellora1::*secondTimer;
    bool stamp;
    bool note;
    bool pageSetup;
    bool hidesOnEmpty;
};

// Connects the print buttons, the Page Setup button and the timers of the main window.
void install(Vellora1& window);

// The copy step of a job: returns false when this application is in front (the job ends with
// the message and the user's Clipboard given back).
bool copyStep(Timer& secondTimer);

// The note jobs' variants, for the note window.
const Variant& noteVariant(bool withPageSetup);

// How the note jobs read the note and close the note window when they have printed.
void setNoteWindowHooks(QString (*noteText)(), void (*closeNoteWindow)());

} // namespace SelectionJobs
