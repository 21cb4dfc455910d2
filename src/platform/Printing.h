#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// Result codes of Print and PageSetup.
namespace PrintCode {
constexpr int Done = 0;
constexpr int Cancelled = -128;
// The printer could not be started or did not finish the document.
constexpr int Failed = -1;
} // namespace PrintCode

// The page setup kept by each styled text field for its later prints.
struct PageSetup {
    QPageLayout layout = defaultLayout();

    // Returns the locale's paper (Letter or A4), portrait, with half-inch margins.
    static QPageLayout defaultLayout();
};

namespace Printing {

// Draws document on device page after page, inside the device's page layout, with nothing of
// our own (no page numbers, headers or extra margins); returns false when the device fails.
bool render(const QTextDocument& document, QPagedPaintDevice& device);

// Returns how many pages document takes with layout.
int pageCount(const QTextDocument& document, const QPageLayout& layout);

// Returns where a print to a PDF file goes by default: the documents folder (or home), a name
// with the date and time.
QString defaultPdfPath();

} // namespace Printing
