#pragma once

struct DragItem;
class Vellora1;

// A drop on a printer target (the printer icon, or the Drawer) is printed at once, with or
// without the time-date stamp, or held for a note, as the drag-and-drop preference says.
namespace PrinterDrop {

enum class Target { PrinterIcon, Drawer };

void handle(const DragItem& item, Target target);

// Makes the main window's printer icon a drop target.
void install(Vellora1& window);

} // namespace PrinterDrop
