#pragma once

#include <QString>

class Vellora1;

// The main window's two forms: the Full Display palette and the 36 x 38 Desktop Printer, the
// printer button that switches between them, the windowshade arrows, and the View commands.
namespace FullDisplay {

// Sets up the main window's pictures and help tags and connects its display controls.
void install(Vellora1& window);

// Returns whether the main window shows the Desktop Printer (its Quit button is hidden).
bool isDesktopPrinter(const Vellora1& window);

// Shrinks the main window to the Desktop Printer with the printer button's help tag tip.
void enterDesktopPrinter(Vellora1& window, const QString& tip);

// Brings back the whole Full Display, 176 x 374.
void restoreFullDisplay(Vellora1& window);

// The View menu.
void ViewDesktopPrinter();
void ViewDrawer();
void ViewFullDisplay();

// How the display modes close and show the Drawer; set by the Drawer when it exists.
void setDrawerHooks(void (*closeDrawer)(), void (*showDrawer)(int width));

// The printer button's help tags.
extern const QString kTagAsCreated;
extern const QString kTagDesktopPrinter;
extern const QString kTagDesktopPrinterFromView;
extern const QString kTagDesktopPrinterFromDrawer;
extern const QString kTagFullDisplay;

} // namespace FullDisplay
