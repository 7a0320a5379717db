#include "app/CWindowPlacement.h"

#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"

namespace ql {

namespace {}  // namespace

CWindowPlacement CWindowPlacement::Load(const CSettingsStore& settings) {
    CWindowPlacement placement;
    placement.maximized = settings.GetInt(settings::kWindowPosition, settings::kZoom, 0) != 0;
    placement.minimized = settings.GetInt(settings::kWindowPosition, settings::kIcon, 0) != 0;
    const QRect& d = kDefault;
    placement.rect =
        QRect(settings.GetInt(settings::kWindowPosition, settings::kLeft, d.left()),
              settings.GetInt(settings::kWindowPosition, settings::kTop, d.top()),
              settings.GetInt(settings::kWindowPosition, settings::kWidth, d.width()),
              settings.GetInt(settings::kWindowPosition, settings::kHeight, d.height()));
    return placement;
}

void CWindowPlacement::Store(CSettingsStore& settings) const {
    settings.SetInt(settings::kWindowPosition, settings::kZoom, maximized ? 1 : 0);
    settings.SetInt(settings::kWindowPosition, settings::kIcon, minimized ? 1 : 0);
    settings.SetInt(settings::kWindowPosition, settings::kLeft, rect.left());
    settings.SetInt(settings::kWindowPosition, settings::kTop, rect.top());
    settings.SetInt(settings::kWindowPosition, settings::kWidth, rect.width());
    settings.SetInt(settings::kWindowPosition, settings::kHeight, rect.height());
}

}  // namespace ql
