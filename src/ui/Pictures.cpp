#include "ui/Pictures.h"

#include <QSvgRenderer>
#include <memory>

#include "ui/CSvgIconEngine.h"
#include "ui/DrawSvg.h"

namespace ql::ui {

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
