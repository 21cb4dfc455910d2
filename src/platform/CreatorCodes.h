#pragma once

#include <QString>

// How this desktop names applications with the old desktop's four-character creator codes.
namespace CreatorCodes {

constexpr const char* Safari = "sfri";  // the WebKit and Blink browsers
constexpr const char* Firefox = "MOZB"; // the Firefox family
constexpr const char* Finder = "MACS";  // the desktop's file manager

// Returns the creator code of an application by its window class (WM_CLASS name and class):
// a fixed code for the browser and file-manager families, otherwise the class in lower case;
// an empty text when both are empty.
QString forWindowClass(const QString& name, const QString& windowClass);

// Returns whether the window class is a terminal emulator, whose copy shortcut is Ctrl+Shift+C.
bool isTerminal(const QString& name, const QString& windowClass);

} // namespace CreatorCodes
