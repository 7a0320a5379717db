#pragma once

#include "model/CMemoryImage.h"

namespace ql {

inline constexpr int kImageSize = 4000;
inline constexpr int kVersionCount = 16;

// The factory memory image of version 0-15 (any other number gives version 0's).
[[nodiscard]] CMemoryImage BuildFactoryImage(int version);

}  // namespace ql
