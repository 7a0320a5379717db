#pragma once

#include <ostream>
#include <string_view>

#include "base/CommandTrace.h"

namespace ql {

class CRadioData;

// The command trace that the environment variable QL7400_TRACE names, or one that records
// nothing when it is unset or empty. A trace file that cannot be opened is a warning on err
// (headed by the program's name), never a reason to stop.
[[nodiscard]] CCommandTrace OpenTraceFromEnvironment(std::ostream& err, std::string_view program);

// Every command sent through radio's Command goes to trace as it returns. The trace must
// outlive radio or be detached first.
void TraceCommands(CRadioData& radio, CCommandTrace& trace);

}  // namespace ql
