#pragma once

#include <QIconEngine>
#include <QString>

namespace ql::ui {

// An icon drawn from an SVG resource at each size asked of it, so it stays crisp at any
// scale. Nothing is read until a picture is wanted; each picture is rendered once, kept in
// the shared pixmap cache, and no SVG document stays alive between requests. The picture
// fills the requested square with the drawing centred in it, its proportions kept.
class CSvgIconEngine final : public QIconEngine {
  public:
    explicit CSvgIconEngine(QString resource);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    [[nodiscard]] QIconEngine* clone() const override;
    [[nodiscard]] QString key() const override;
    bool isNull() override;

  private:
    QString resource_;
};

}  // namespace ql::ui
