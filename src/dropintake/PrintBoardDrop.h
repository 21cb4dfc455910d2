#pragma once

struct DragItem;
class Vellora1;

// A drop on "Open PrintBoard" (or on the Drawer with the Option key held) adds the material to
// the PrintBoard file, closing an open PrintBoard first and opening it again afterwards.
namespace PrintBoardDrop {

enum class Target { OpenPrintBoardButton, Drawer };

void handle(const DragItem& item, Target target);

// Appends the entry staged in the print field to the PrintBoard file through the PrintBoard
// buffer field, the insertion point at the end. Returns false (and tells the user) when the
// file could not be written; the old file is then whole.
bool appendStagedEntry();

// Makes the main window's "Open PrintBoard" button a drop target.
void install(Vellora1& window);

} // namespace PrintBoardDrop
