#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/CCodedSetting.h"
#include "model/CCodedValueList.h"
#include "model/CMemoryImage.h"
#include "model/CRangeSetting.h"
#include "model/CRangeValueList.h"
#include "model/CTextSetting.h"
#include "model/QueryForm.h"

namespace ql {

// The transceiver's 43 common (set mode) settings, answered as "COMMON." items and
// decoded from and encoded into fixed places of the image. Built for one version, whose
// auto repeater choices differ; the memory model builds a new one when the version changes.
class CCommonSettings {
  public:
    explicit CCommonSettings(int version);
    CCommonSettings(const CCommonSettings&) = delete;
    CCommonSettings& operator=(const CCommonSettings&) = delete;

    // What the text item name ("OPENING_TEXT", "CLONE_COMMENT") keeps of a character c
    // assigned to it with a "COMMON." command: c, its upper case, or nullopt when the item
    // holds a blank in its place or the command loses it (always nullopt for other items).
    [[nodiscard]] static std::optional<char> KeptTextCharacter(std::string_view name, char c);

    // "COMMON." commands; "" when the command is not one of them.
    std::string Handle(std::string_view command);

    void Decode(const CMemoryImage& image);
    void Encode(CMemoryImage& image) const;
    [[nodiscard]] bool Decoded() const { return decoded_; }
    // Takes every value and the decoded flag of other, which was built for the same version.
    void CopyValuesFrom(const CCommonSettings& other);
    void SetDecoded(bool decoded) { decoded_ = decoded; }

  private:
    // The sub-band remote password: a number taken and answered in decimal, whatever the form.
    struct RemoteCode {
        std::int32_t value = 0;
        std::string Handle(QueryForm form, std::string_view text);
    };
    using Slot = std::variant<CRangeSetting, CCodedSetting, CTextSetting, RemoteCode>;

    void BuildLists(int version);
    [[nodiscard]] const CRangeValueList& Range(std::uint8_t id) const;
    [[nodiscard]] const CCodedValueList& Coded(std::uint8_t id) const;

    bool decoded_ = false;
    std::array<CRangeValueList, 15> ranges_{};  // indexed by list id
    std::array<CCodedValueList, 10> coded_{};   // indexed by list id - 15
    std::vector<Slot> slots_;                   // one per item, in item order
};

}  // namespace ql
