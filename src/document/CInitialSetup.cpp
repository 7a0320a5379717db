#include "document/CInitialSetup.h"

#include "base/AsciiText.h"
#include "clone/CCloneLink.h"
#include "clone/CCloneUi.h"
#include "clone/CloneStrings.h"
#include "clone/LinkDiagnosis.h"
#include "clone/PortDevices.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"

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
    : link_(link), settings_(settings), ui_(ui) {}

unsigned CInitialSetup::StoredPort() const {
    return StoredPortNumber(settings_);
}

std::string CInitialSetup::StoredCallSign() const {
    return std::string(
        TrimTrailing(settings_.GetString(settings::kSetupInfo, settings::kCallSign, "")));
}

SetupOutcome CInitialSetup::Ok(const SetupChoice& choice) {
    link_.SetDevice(choice.device.empty() ? ResolvePort(settings_, choice.port) : choice.device);
    CloneResult result = CloneResult::kCompleted;
    {
        const CWaitScope wait(ui_);
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
        for (const std::string& line : DiagnoseFailure(link_.Observation())) ui_.ShowCause(line);
        ui_.ShowMessage(CloneText(text_id::kCheckCloning), true);
    }
    std::string failure = Store(result == CloneResult::kCompleted, choice);
    return {result, std::move(failure)};
}

SetupOutcome CInitialSetup::Cancel(const SetupChoice& choice) {
    return {CloneResult::kCompleted, Store(false, choice)};
}

std::string CInitialSetup::Store(bool success, const SetupChoice& choice) {
    const std::string_view field = FieldText(choice.callSign);
    if (success) {
        const CIdentityRecord& heard = link_.GetInformation();
        settings_.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        settings_.SetInt(settings::kSetupInfo, settings::kSetupVersion,
                         heard.payload[CIdentityRecord::kVersionByte]);
        settings_.SetInt(settings::kSetupInfo, settings::kSetupExpansion,
                         heard.payload[CIdentityRecord::kExpansionByte]);
    }
    const bool blank = TrimTrailing(field).empty();
    settings_.SetString(settings::kSetupInfo, settings::kCallSign,
                        blank ? CloneText(text_id::kBlankCallSign) : field);
    const unsigned port = choice.port >= 1 && choice.port <= kPortCount ? choice.port : 1;
    settings_.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(port));
    if (choice.storeDevice && !choice.device.empty()) {
        settings_.SetString(settings::kCommPort, settings::DeviceKey(port), choice.device);
    }
    std::string error;
    if (!settings_.Flush(error)) return error;
    return {};
}

}  // namespace ql
