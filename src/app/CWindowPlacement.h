#pragma once

#include <QRect>

namespace ql {

class CSettingsStore;

// The main window's placement between runs (section "Window Position").
struct CWindowPlacement {
    static constexpr QRect kDefault{5, 5, 620, 360};

    QRect rect = kDefault;
    bool maximized = false;
    bool minimized = false;

    // The stored placement, each value defaulting to the one above.
    [[nodiscard]] static CWindowPlacement Load(const CSettingsStore& settings);
    // "Zoom" and "Icon" first, then the rectangle.
    void Store(CSettingsStore& settings) const;
};

}  // namespace ql
