#pragma once

// Brings up the platform layer once QApplication exists: the desktop for this platform, the
// substitutes for the old desktop's font names, and the application-wide help-tag switch.
namespace Platform {

void initialize();

// Returns whether help tags (tool tips) are shown.
bool helpTagsShown();

// Shows or hides every help tag of the application; returns 0.
int setHelpTagsShown(bool shown);

} // namespace Platform
