#pragma once

#include <QPixmap>
#include <QString>

// The application's pictures by name ("MetalDark", "NewPrinter2", "LargeMetalpic", ...),
// each drawn from its file once and kept. A missing picture is an empty pixmap.
namespace Pictures {

QPixmap get(const QString& name, const QSize& size);

} // namespace Pictures
