#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ql::ui {

// The pictures of the resources, drawn as SVG so they stay crisp at any scale.
namespace picture {
inline constexpr const char* kAppIcon = ":/icons/app.svg";
inline constexpr const char* kTransceiver = ":/icons/transceiver.svg";
inline constexpr const char* kNotesHeading = ":/icons/notes-heading.svg";
}  // namespace picture

// A picture rendered at size (in device-independent pixels) for a screen of ratio.
[[nodiscard]] QPixmap Picture(const char* resource, QSize size, qreal ratio);
// An icon from an SVG resource.
[[nodiscard]] QIcon SvgIcon(const QString& resource);

}  // namespace ql::ui
