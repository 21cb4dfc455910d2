#include "DropTarget.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/SourcePage.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

DropTarget::DropTarget(QWidget* control, Handler handler)
    : QObject(control), m_handler(std::move(handler)) {}

void DropTarget::install(QWidget* control, Handler handler) {
    control->setAcceptDrops(true);
    control->installEventFilter(new DropTarget(control, std::move(handler)));
}

DragItem DropTarget::read(const QMimeData& data) {
    DragItem item = DragItem::from(data);
    item.moment = Clock::current().now();
    // Our targets never take the activation, so the active application is the one dragged from.
    item.creator = desktop().GetFrontProcessCreator();
    SourcePage::note(data);
    return item;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (acceptsDrop(*drag->mimeData())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const DragItem item = read(*drop->mimeData());
        Clock::current().schedule(0, [handler = m_handler, item] { handler(item); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
