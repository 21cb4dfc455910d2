#pragma once

#include "DragItem.h"

#include <QObject>
#include <functional>

class QWidget;

// Makes a control take drops of text, pictures and text or clipping files. The drop is read
// while it happens (its moment, the application it comes from, its data); the job then runs
// once the drop has finished, so the application dragged from is never kept waiting by a
// dialog.
class DropTarget final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const DragItem&)>;

    static void install(QWidget* control, Handler handler);

    // Reads data as a drop on this desktop reads it (tests deliver drops through here too).
    static DragItem read(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DropTarget(QWidget* control, Handler handler);
    Handler m_handler;
};
