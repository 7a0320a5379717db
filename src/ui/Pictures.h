#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QSvgRenderer;

namespace ql::ui {

// The pictures of the resources, drawn as SVG so they stay crisp at any scale.
namespace picture {
inline constexpr const char* kAppIcon = ":/icons/app.svg";
inline constexpr const char* kTransceiver = ":/icons/transceiver.svg";
inline constexpr const char* kNotesHeading = ":/icons/notes-heading.svg";
}  // namespace picture

// The drawing in a transparent pixmap of pixels (device pixels): centred at its own
// proportions when keepProportions, else stretched to fill it.
[[nodiscard]] QPixmap DrawSvg(QSvgRenderer& renderer, QSize pixels, bool keepProportions);
// A picture rendered at size (in device-independent pixels) for a screen of ratio.
[[nodiscard]] QPixmap Picture(const char* resource, QSize size, qreal ratio);
// An icon from an SVG resource.
[[nodiscard]] QIcon SvgIcon(const QString& resource);

}  // namespace ql::ui
