#pragma once

class Vellora1;

// "Save to PrintBoard": adds what the Clipboard holds to the closed PrintBoard's file.
namespace SaveToPrintBoard {

void install(Vellora1& window);

void run();

} // namespace SaveToPrintBoard
