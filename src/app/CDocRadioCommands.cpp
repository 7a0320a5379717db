#include "app/CDocRadioCommands.h"

#include "app/CQL7400Doc.h"

namespace ql {

std::string CDocRadioCommands::Query(std::string_view command) {
    return doc_.Query(command);
}

void CDocRadioCommands::Apply(std::span<const std::string> commands) {
    doc_.Apply(commands);
}

}  // namespace ql
