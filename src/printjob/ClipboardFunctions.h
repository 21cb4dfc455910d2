#pragma once

class Vellora1;

// "Print" and "Clear" under Clipboard Functions.
namespace ClipboardFunctions {

void install(Vellora1& window);

} // namespace ClipboardFunctions
