#pragma once

#include <cstdint>
#include <string>

#include "model/CRadioData.h"

namespace ql {

class CSettingsStore;

// The radio data object of the RZ-7400. Its identity record carries the version and
// expansion that the initial setup stored; the object is on that version from the start.
class C7400RadioData final : public CRadioData {
  public:
    static constexpr std::uint16_t kModelCode = 0x2047;
    static constexpr std::uint16_t kRevision = 1;

    explicit C7400RadioData(CSettingsStore& settings);
    ~C7400RadioData() override;

    int ApplyIdentity(const CIdentityRecord& record) override;
    [[nodiscard]] std::string GetModelName() const override;
    [[nodiscard]] std::string GetModelComment() const override;
    int MatchIdentity(const CIdentityRecord& record, bool keep) override;
    void InitIdentity() override;

  private:
    CSettingsStore& settings_;
    // The version and expansion as last read from the settings.
    std::uint8_t readVersion_ = 0;
    std::uint8_t readExpansion_ = 0;
};

}  // namespace ql
