#include "ui/DrawSvg.h"

#include <QPainter>
#include <QSvgRenderer>

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

}  // namespace ql::ui
