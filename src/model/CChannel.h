#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CChannelLists.h"
#include "model/CChannelLocator.h"
#include "model/CCodedSetting.h"
#include "model/CFrequency.h"
#include "model/CMemoryImage.h"
#include "model/CRangeSetting.h"
#include "model/CTextSetting.h"

namespace ql {

class CVersion;

// One channel of the transceiver (VFO entry, memory channel, scan edge or call channel),
// decoded from its record in the image.
class CChannel {
  public:
    CChannel(const CChannelLists& lists, CChannelLocator locator);

    // What the name keeps of a character c assigned to it (see CTextSetting::KeptCharacter);
    // a "NAME=" value runs to the end of the command, so "=" is kept too.
    [[nodiscard]] static std::optional<char> KeptNameCharacter(char c) {
        return CTextSetting::KeptCharacter(c, CTextSetting::kNameText);
    }

    [[nodiscard]] const CChannelLocator& Locator() const { return locator_; }
    void SetLocator(CChannelLocator locator) { locator_ = locator; }
    [[nodiscard]] bool Decoded() const { return decoded_; }
    void SetDecoded(bool decoded) { decoded_ = decoded; }

    void Decode(const CMemoryImage& image);
    void Encode(CMemoryImage& image) const;
    // Encodes when decoded, else decodes.
    void Synchronise(CMemoryImage& image);

    // Takes frequency, settings, tones, offset and name of other (not kind, index or
    // decoded flag); the caller heals afterwards.
    void CopyValuesFrom(const CChannel& other);

    // Fixes what the channel cannot hold: appearance and name by kind, the frequency
    // rounded to the raster, the tuning step, the reference frequency, the mode and the
    // offset. With safety, an illegal channel is marked undecoded.
    void Heal(const CVersion& version, bool safety);
    [[nodiscard]] bool IsLegal(const CVersion& version) const;
    [[nodiscard]] bool InUse() const;
    void SetAppear(bool on);

    // An item command (item word, optional form, "=" and value); "" for an unknown item.
    std::string HandleItem(std::string_view left, std::string_view value, bool allowAll = true);

    // Same locator, decoded flag and values.
    friend bool operator==(const CChannel&, const CChannel&) = default;

  private:
    std::string AllText() const;

    CChannelLocator locator_;
    bool decoded_ = false;
    CFrequency frequency_;
    CCodedSetting reference_;
    CCodedSetting appear_;
    CCodedSetting skip_;
    CCodedSetting mode_;
    CCodedSetting duplex_;
    CCodedSetting toneMode_;
    CCodedSetting tuningStep_;
    CRangeSetting repeaterTone_;
    CRangeSetting squelchTone_;
    CFrequency offset_;
    CTextSetting name_{8, 8, CTextSetting::kNameText};
};

// to = from, copying only the channels that differ: most are as they were.
void AssignChannels(std::vector<CChannel>& to, const std::vector<CChannel>& from);

}  // namespace ql
