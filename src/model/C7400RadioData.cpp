#include "model/C7400RadioData.h"

#include <algorithm>
#include <array>

#include "model/CSettingsStore.h"
#include "model/CVersion.h"

namespace ql {

namespace {
constexpr std::string_view kSetup = "SetupInfo";
constexpr std::array<std::string_view, 6> kEdges = {"1A", "1B", "2A", "2B", "3A", "3B"};
}  // namespace

C7400RadioData::C7400RadioData(CSettingsStore& settings) : settings_(settings) {
    // The data set follows the stored version from the start, so a file opened before any
    // New is healed under the right band and mode rules.
    C7400RadioData::InitIdentity();
    C7400RadioData::ApplyIdentity(identity_);
    SetModified(false);
}

C7400RadioData::~C7400RadioData() {
    // Only a version this object adopted goes back: writing back what it merely read would
    // undo a setup that another program made meanwhile.
    const bool changed = identity_.payload[CIdentityRecord::kVersionByte] != readVersion_ ||
                         identity_.payload[CIdentityRecord::kExpansionByte] != readExpansion_;
    if (changed && settings_.GetInt(kSetup, "0000", 0) == 1) {
        settings_.SetInt(kSetup, "0001", identity_.payload[CIdentityRecord::kVersionByte]);
        settings_.SetInt(kSetup, "0002", identity_.payload[CIdentityRecord::kExpansionByte]);
    }
}

void C7400RadioData::InitIdentity() {
    CRadioData::InitIdentity();
    identity_.modelCode = kModelCode;
    identity_.revision = kRevision;
    int version = 0;
    int expansion = 0;
    if (settings_.GetInt(kSetup, "0000", 0) != 0) {
        // Values from outside: a version that is none is taken as 0.
        version = settings_.GetInt(kSetup, "0001", 0);
        expansion = settings_.GetInt(kSetup, "0002", 0);
        if (version < 0 || version >= CVersion::kCount) version = 0;
        expansion = std::clamp(expansion, 0, 255) & 0x3F;
    }
    identity_.payload[CIdentityRecord::kVersionByte] = static_cast<std::uint8_t>(version);
    identity_.payload[CIdentityRecord::kExpansionByte] = static_cast<std::uint8_t>(expansion);
    readVersion_ = identity_.payload[CIdentityRecord::kVersionByte];
    readExpansion_ = identity_.payload[CIdentityRecord::kExpansionByte];
}

int C7400RadioData::ApplyIdentity(const CIdentityRecord& record) {
    Internal("MODEL.COUNTRY.ByNumber=" +
             std::to_string(record.PayloadByte(CIdentityRecord::kVersionByte)));
    Internal("MODEL.EXPAND.ByNumber=" +
             std::to_string(record.PayloadByte(CIdentityRecord::kExpansionByte)));
    return 1;
}

std::string C7400RadioData::GetModelName() const {
    return "RZ-7400";
}

std::string C7400RadioData::GetModelComment() const {
    return identity_.Comment();
}

int C7400RadioData::MatchIdentity(const CIdentityRecord& record, bool keep) {
    if (record.modelCode != kModelCode || record.revision != kRevision) return 0;
    if (record.PayloadByte(0, 0xFF) == identity_.payload[0] &&
        record.PayloadByte(1, 0xFF) == identity_.payload[1]) {
        return 1;
    }
    if (!keep) {
        ApplyIdentity(record);
        const std::size_t length =
            std::min<std::size_t>(record.payloadLength, CIdentityRecord::kPayloadCapacity);
        std::copy_n(record.payload.begin(), length, identity_.payload.begin());
        identity_.payloadLength = static_cast<std::uint16_t>(length);
    }
    return 0;
}

std::string C7400RadioData::ChannelPath(unsigned channel) const {
    const bool uhf = currentBand_ == 1;
    if (channel < 100) return (uhf ? "CH.MCH_430." : "CH.MCH_144.") + std::to_string(channel) + ".";
    if (channel <= 105) {
        return std::string(uhf ? "CH.PCH_430." : "CH.PCH_144.") +
               std::string(kEdges[channel - 100]) + ".";
    }
    if (channel == 106) return uhf ? "CH.CALL_430." : "CH.CALL_144.";
    return {};
}

}  // namespace ql
