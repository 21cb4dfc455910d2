#pragma once

// The program: brings up the platform, the application object with its menus and the main
// window, then runs the event loop; returns its exit code.
int runVellora(int argc, char** argv);

// The start-up sequence after QApplication exists (tests run it on the simulated desktop).
void startVellora();
