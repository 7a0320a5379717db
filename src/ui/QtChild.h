#pragma once

#include <memory>
#include <utility>

namespace ql::ui {

// A widget, layout or action that its Qt parent owns from birth: the parent deletes it with
// itself, so the pointer returned is only a handle.
template <typename T, typename... Args>
T* MakeChild(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

}  // namespace ql::ui
