#pragma once

// The old desktop's virtual key codes (ANSI layout) that the application uses, mapped to X
// keysyms in one place: the X11 desktop is the only code that knows keysyms.
namespace KeyCodes {

// Returns the X keysym of a virtual key code, or 0 for a code not in the table.
unsigned long keysymFor(int virtualKeyCode);

// Returns the virtual key code of a letter a..z (either case), or -1.
int forLetter(char letter);

} // namespace KeyCodes
