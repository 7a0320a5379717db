#include "document/CInitialSetup.h"

#include "clone/CCloneLink.h"
#include "clone/CCloneUi.h"
#include "clone/CloneFile.h"
#include "clone/CloneStrings.h"
#include "clone/PortDevices.h"
#include "model/CSettingsStore.h"

namespace ql {

namespace {
// At most kCallSignLength characters, never cutting a UTF-8 sequence in two.
std::string_view FieldText(std::string_view text) {
    if (text.size() <= CInitialSetup::kCallSignLength) return text;
    std::size_t end = CInitialSetup::kCallSignLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;
    return text.substr(0, end);
}

std::string_view TrimTrailing(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return {};
    return text.substr(0, static_cast<std::size_t>(trimmed.data() - text.data()) + trimmed.size());
}
}  // namespace

CInitialSetup::CInitialSetup(CCloneLink& link, CSettingsStore& settings, CCloneUi& ui)
    : link_(link), settings_(settings), ui_(ui) {
    link_.SetPort(StoredPortNumber(settings_));
}

std::string CInitialSetup::StoredCallSign() const {
    return std::string(TrimTrailing(settings_.GetString("SetupInfo", "CallSign", "")));
}

CloneResult CInitialSetup::Ok(std::string_view callSign) {
    CloneResult result = CloneResult::kCompleted;
    {
        const CWaitCursor wait(ui_);
        result = link_.ReadInformation();
    }
    // Without its version and expansion bytes the identification teaches the setup
    // nothing: it fails rather than store what never arrived.
    const bool completed = result == CloneResult::kCompleted;
    if (completed && link_.GetInformation().payloadLength <= CIdentityRecord::kExpansionByte) {
        result = CloneResult::kFailed;
    }
    link_.SignalResult(result == CloneResult::kCompleted);
    if (result != CloneResult::kCompleted) {
        ui_.ShowStatus(CloneText(text_id::kIllegalInformation));
        ui_.ShowMessage(CloneText(text_id::kCheckCloning), true);
    }
    Store(result == CloneResult::kCompleted, callSign);
    return result;
}

void CInitialSetup::Cancel(std::string_view callSign) {
    Store(false, callSign);
}

void CInitialSetup::Store(bool success, std::string_view callSign) {
    const std::string_view field = FieldText(callSign);
    if (success) {
        const CIdentityRecord& heard = link_.GetInformation();
        settings_.SetInt("SetupInfo", "0000", 1);
        settings_.SetInt("SetupInfo", "0001", heard.payload[CIdentityRecord::kVersionByte]);
        settings_.SetInt("SetupInfo", "0002", heard.payload[CIdentityRecord::kExpansionByte]);
    }
    const bool blank = TrimTrailing(field).empty();
    settings_.SetString("SetupInfo", "CallSign",
                        blank ? CloneText(text_id::kBlankCallSign) : field);
    settings_.SetInt("CommPort", "PortNumber", static_cast<int>(link_.GetPort()));
}

}  // namespace ql
