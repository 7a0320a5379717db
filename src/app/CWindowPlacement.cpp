#include "app/CWindowPlacement.h"

#include "model/CSettingsStore.h"

namespace ql {

namespace {
constexpr std::string_view kSection = "Window Position";
}  // namespace

CWindowPlacement CWindowPlacement::Load(const CSettingsStore& settings) {
    CWindowPlacement placement;
    placement.maximized = settings.GetInt(kSection, "Zoom", 0) != 0;
    placement.minimized = settings.GetInt(kSection, "Icon", 0) != 0;
    const QRect& d = kDefault;
    placement.rect = QRect(settings.GetInt(kSection, "Left", d.left()),
                           settings.GetInt(kSection, "Top", d.top()),
                           settings.GetInt(kSection, "Width", d.width()),
                           settings.GetInt(kSection, "Height", d.height()));
    return placement;
}

void CWindowPlacement::Store(CSettingsStore& settings) const {
    settings.SetInt(kSection, "Zoom", maximized ? 1 : 0);
    settings.SetInt(kSection, "Icon", minimized ? 1 : 0);
    settings.SetInt(kSection, "Left", rect.left());
    settings.SetInt(kSection, "Top", rect.top());
    settings.SetInt(kSection, "Width", rect.width());
    settings.SetInt(kSection, "Height", rect.height());
}

}  // namespace ql
