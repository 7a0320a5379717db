#include "model/C7400RadioData.h"

#include <algorithm>
#include <array>

#include "model/CSettingsStore.h"
#include "model/CVersion.h"
#include "model/SettingsKeys.h"

namespace ql {

namespace {}  // namespace

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
    if (changed && settings_.GetInt(settings::kSetupInfo, settings::kSetupDone, 0) == 1) {
        settings_.SetInt(settings::kSetupInfo, settings::kSetupVersion,
                         identity_.payload[CIdentityRecord::kVersionByte]);
        settings_.SetInt(settings::kSetupInfo, settings::kSetupExpansion,
                         identity_.payload[CIdentityRecord::kExpansionByte]);
    }
}

void C7400RadioData::InitIdentity() {
    CRadioData::InitIdentity();
    identity_.modelCode = kModelCode;
    identity_.revision = kRevision;
    int version = 0;
    int expansion = 0;
    if (settings_.GetInt(settings::kSetupInfo, settings::kSetupDone, 0) != 0) {
        // Values from outside: a version that is none is taken as 0.
        version = settings_.GetInt(settings::kSetupInfo, settings::kSetupVersion, 0);
        expansion = settings_.GetInt(settings::kSetupInfo, settings::kSetupExpansion, 0);
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

}  // namespace ql
