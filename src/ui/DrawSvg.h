#pragma once

#include <QPixmap>
#include <QSize>

class QSvgRenderer;

namespace ql::ui {

// The drawing in a transparent pixmap of pixels (device pixels): centred at its own
// proportions when keepProportions, else stretched to fill it.
[[nodiscard]] QPixmap DrawSvg(QSvgRenderer& renderer, QSize pixels, bool keepProportions);

}  // namespace ql::ui
