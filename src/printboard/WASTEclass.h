#pragma once

#include "platform/WASTEfield.h"

// The PrintBoard's styled text field: a drag out of it carries the clipping's name.
class WASTEclass final : public WASTEfield {
    Q_OBJECT
public:
    WASTEclass(const QString& name, QWidget* parent);

    // The name a drag out of the field gives the clipping it makes.
    static QString clippingName();

protected:
    QMimeData* createMimeDataFromSelection() const override;
};
