#pragma once

#include <QString>

class QMimeData;

// The address of the web page that material came from, as browsers attach it to copied and
// dragged data (Firefox: text/x-moz-url-priv, Chromium: chromium/x-source-url).
namespace SourcePage {

// Returns the page address that data names, or an empty text when it names none.
QString addressIn(const QMimeData& data);

// Remembers the address of the material the application has just read from another program;
// material without one forgets the previous address.
void note(const QMimeData& data);

// Returns the remembered address, or an empty text.
QString lastAddress();

// Forgets the remembered address.
void forget();

} // namespace SourcePage
