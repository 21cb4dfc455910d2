#include "Pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

QPixmap get(const QString& name, const QSize& size) {
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height());
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    QPixmap pixmap;
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    if (renderer.isValid()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace Pictures
