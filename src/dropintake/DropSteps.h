#pragma once

#include <QString>

struct DragItem;
class WASTEfield;

// Steps the drop jobs share.
namespace DropSteps {

// The start of every drop job: refuses an item that cannot be taken, with its message, and
// records the application it came from; returns whether the job goes on.
bool begin(const DragItem& item);

// Puts the item's picture into the picture holder and from there on the Clipboard, or its text
// on the Clipboard as plain text.
void putOnClipboard(const DragItem& item);

// Empties the picture holder.
void emptyPictureHolder();

// Returns whether the creator code is one of the two browsers.
bool isBrowser(const QString& creator);

// Runs the address script of the browser with that creator code; false for any other code.
bool runAddressScriptFor(const QString& creator);

} // namespace DropSteps
