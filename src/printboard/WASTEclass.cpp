#include "WASTEclass.h"

#include "platform/Clock.h"
#include "printjob/Stamp.h"

#include <QMimeData>

WASTEclass::WASTEclass(const QString& name, QWidget* parent)
    : WASTEfield(name, QStringLiteral("Geneva"), 12, parent) {
    setTabStopDistance(32);
}

QString WASTEclass::clippingName() {
    return QStringLiteral("Vellora PrintBoard Clipping ") + Stamp::dateText(Clock::current().now());
}

QMimeData* WASTEclass::createMimeDataFromSelection() const {
    QMimeData* mime = WASTEfield::createMimeDataFromSelection();
    viewport()->setCursor(Qt::ArrowCursor);
    mime->setData(QStringLiteral("application/x-vellora-clipping-name"), clippingName().toUtf8());
    return mime;
}
