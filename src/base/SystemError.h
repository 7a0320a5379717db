#pragma once

#include <string>
#include <string_view>

namespace ql {

// The one place that turns an errno value into a cause a user can act on, for example
// "no space left on the device". Hints that fit one kind of file only (a serial port's
// dialout group) are added by the code that knows the kind.
[[nodiscard]] std::string DescribeErrno(int error);

// "<what>: <cause>", the form of every error line naming a file or a port.
[[nodiscard]] std::string DescribeFailure(std::string_view what, int error);

}  // namespace ql
