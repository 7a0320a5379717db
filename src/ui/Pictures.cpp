#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <memory>

#include "ui/CSvgIconEngine.h"

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
    return QIcon(std::make_unique<CSvgIconEngine>(resource).release());
}

}  // namespace ql::ui
