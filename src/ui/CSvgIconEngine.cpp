#include "ui/CSvgIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

#include "ui/DrawSvg.h"

namespace ql::ui {

namespace {
QString CacheKey(const QString& resource, QSize size, QIcon::Mode mode, QIcon::State state) {
    return QStringLiteral("ql-svg:%1:%2x%3:%4:%5")
        .arg(resource)
        .arg(size.width())
        .arg(size.height())
        .arg(static_cast<int>(mode))
        .arg(static_cast<int>(state));
}

// The drawing at size (device pixels), centred, its proportions kept; null when the
// resource is missing or no SVG.
QPixmap Render(const QString& resource, QSize size) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return {};
    return DrawSvg(renderer, size, true);
}
}  // namespace

CSvgIconEngine::CSvgIconEngine(QString resource) : resource_(std::move(resource)) {}

QPixmap CSvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (size.isEmpty()) return {};
    const QString key = CacheKey(resource_, size, mode, state);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;

    QPixmap picture = Render(resource_, size);
    if (picture.isNull()) return {};
    if (mode != QIcon::Normal) {
        // Greyed (or otherwise marked) as the style marks the pictures of its own icons.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap generated =
            QApplication::style()->generatedIconPixmap(mode, picture, &option);
        if (!generated.isNull()) picture = generated;
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

void CSvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    if (picture.isNull()) return;
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QSize CSvgIconEngine::actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    return size;
}

QIconEngine* CSvgIconEngine::clone() const {
    return std::make_unique<CSvgIconEngine>(resource_).release();
}

QString CSvgIconEngine::key() const {
    return QStringLiteral("ql-svg");
}

bool CSvgIconEngine::isNull() {
    return !QFile::exists(resource_);
}

}  // namespace ql::ui
