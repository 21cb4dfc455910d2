#include "Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

QPageLayout PageSetup::defaultLayout() {
    const QLocale::Territory t = QLocale().territory();
    const bool letter = t == QLocale::UnitedStates || t == QLocale::Canada || t == QLocale::Mexico;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

namespace {

// A copy of document laid out for device: its fonts and pictures scale with the device.
std::unique_ptr<QTextDocument> layoutFor(const QTextDocument& document, QPaintDevice& device,
                                         const QSizeF& body) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setPadding(0);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(body);
    return copy;
}

QSizeF bodySize(QPagedPaintDevice& device) {
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    return QSizeF(paint.width(), paint.height());
}

} // namespace

namespace Printing {

bool render(const QTextDocument& document, QPagedPaintDevice& device) {
    const QSizeF body = bodySize(device);
    if (body.width() <= 0 || body.height() <= 0)
        return false;
    auto laid = layoutFor(document, device, body);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pages = std::max(1, laid->pageCount());
    QAbstractTextDocumentLayout::PaintContext context;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.save();
        const QRectF clip(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        context.clip = clip;
        laid->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

int pageCount(const QTextDocument& document, const QPageLayout& layout) {
    // Measure at the resolution a PDF is written with, as a printer would lay it out.
    QPdfWriter probe(QString{});
    probe.setResolution(1200);
    probe.setPageLayout(layout);
    return std::max(1, layoutFor(document, probe, bodySize(probe))->pageCount());
}

QString defaultPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    return QDir(folder).filePath(QStringLiteral("Vellora %1.pdf").arg(stamp));
}

} // namespace Printing
