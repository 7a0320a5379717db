#pragma once

#include <string>
#include <string_view>

namespace ql {

// prefix followed by six random letters and digits, for example ".ql7400-a8Qz0T": a name for
// a file or link that is created with "must not exist yet" and tried again on a collision.
[[nodiscard]] std::string UniqueName(std::string_view prefix);

}  // namespace ql
