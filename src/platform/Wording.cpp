#include "Wording.h"

#include <utility>

namespace Wording {

QString forDesktop(const QString& text) {
#ifdef Q_OS_MACOS
    return text;
#else
    // Longer names first, so that "Option-Control-" is not taken apart by "Option key".
    static const std::pair<const char*, const char*> table[] = {
        {"Option-Control-", "Ctrl+Alt+"}, {"Command-click", "Ctrl-click"},
        {"Command-v", "Ctrl+V"},          {"Command key", "Ctrl key"},
        {"Option key", "Alt key"},        {"Control-clicking", "right-clicking"},
        {"OS X", "the desktop"},          {"the Dock", "the panel"},
    };
    QString out = text;
    for (const auto& [from, to] : table)
        out.replace(QLatin1String(from), QLatin1String(to));
    return out;
#endif
}

} // namespace Wording
