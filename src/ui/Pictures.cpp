#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ql::ui {

QPixmap Picture(const char* resource, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(resource));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon SvgIcon(const QString& resource) {
    // The icon engine of the SVG module renders at each requested size.
    return QIcon(resource);
}

}  // namespace ql::ui
