#include "clone/CloneFakes.h"

namespace ql::test {

std::vector<std::string> ScriptedUi::Report() const {
    std::vector<std::string> report;
    for (const std::string& entry : log) {
        if (entry.starts_with("status: ") || entry.starts_with("box")) report.push_back(entry);
    }
    return report;
}

}  // namespace ql::test
