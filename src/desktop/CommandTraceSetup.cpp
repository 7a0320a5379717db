#include "desktop/CommandTraceSetup.h"

#include <cstdlib>
#include <string>

#include "model/CRadioData.h"

namespace ql {

CCommandTrace OpenTraceFromEnvironment(std::ostream& err, std::string_view program) {
    const char* path = std::getenv(std::string(kTraceVariable).c_str());
    if (path == nullptr || *path == '\0') return {};
    CCommandTrace trace{std::filesystem::path(path)};
    if (!trace.IsOpen()) {
        err << program << ": warning: no command trace: " << trace.Failure() << '\n';
    }
    return trace;
}

void TraceCommands(CRadioData& radio, CCommandTrace& trace) {
    if (!trace.IsOpen()) return;
    radio.SetCommandObserver([&trace](std::string_view command, std::string_view answer) {
        trace.Record(command, answer);
    });
}

}  // namespace ql
