#pragma once

#include <QString>

// Puts the names of keys and desktop parts inside the system's texts into this desktop's terms
// ("Command-click" becomes "Ctrl-click"); the rest of the wording stays as written.
namespace Wording {

// Returns text with every name of the table replaced; on macOS it returns text unchanged.
QString forDesktop(const QString& text);

} // namespace Wording
