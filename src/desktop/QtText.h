#pragma once

#include <QString>
#include <string_view>

namespace ql {

// A text of the core (UTF-8) as Qt's string; every conversion of the Qt side goes through it.
[[nodiscard]] QString ToQString(std::string_view text);

}  // namespace ql
