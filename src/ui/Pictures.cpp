#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <memory>

#include "ui/CSvgIconEngine.h"

namespace ql::ui {

QPixmap DrawSvg(QSvgRenderer& renderer, QSize pixels, bool keepProportions) {
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QRectF bounds(QPointF(0, 0), QSizeF(pixels));
    if (keepProportions) {
        QSizeF drawn = renderer.viewBoxF().size();
        if (drawn.isEmpty()) drawn = bounds.size();
        drawn.scale(bounds.size(), Qt::KeepAspectRatio);
        bounds = QRectF(
            QPointF((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2),
            drawn);
    }
    QPainter painter(&pixmap);
    renderer.render(&painter, bounds);
    return pixmap;
}

QPixmap Picture(const char* resource, QSize size, qreal ratio) {
    QSvgRenderer renderer(QString::fromLatin1(resource));
    QPixmap pixmap = DrawSvg(renderer, size * ratio, false);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon SvgIcon(const QString& resource) {
    return QIcon(std::make_unique<CSvgIconEngine>(resource).release());
}

}  // namespace ql::ui
