#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/QueryForm.h"

namespace ql {

// A text of fixed bounds and character set. Mode 1: blank, 0-9, A-Z and ( ) * + - / : < = > _;
// mode 2: blank, 0-9, A-Z and -; modes 1 and 2 turn a-z into A-Z; mode 0 takes 0x20-0x7F.
// Characters outside the set become blanks; the text is padded to its minimum length.
class CTextSetting {
  public:
    // The character sets, by mode number.
    static constexpr int kFreeText = 0;
    static constexpr int kNameText = 1;
    static constexpr int kCallText = 2;

    // What a text of the given mode keeps of the character c: c itself, its upper case, or
    // nullopt when the text holds a blank in its place.
    [[nodiscard]] static std::optional<char> KeptCharacter(char c, int mode);

    CTextSetting() = default;
    CTextSetting(int minimum, int maximum, int mode) : mode_(mode) { SetBounds(minimum, maximum); }

    void SetBounds(int a, int b);
    void SetText(std::string_view text);
    [[nodiscard]] const std::string& Text() const { return text_; }

    // Assigns value (when not empty) in the given form; answers the value held afterwards.
    std::string Handle(QueryForm form, std::string_view value);

    friend bool operator==(const CTextSetting&, const CTextSetting&) = default;

  private:
    void Sanitise();

    int minimum_ = 1;
    int maximum_ = 1;
    int mode_ = 1;
    std::string text_ = " ";
};

}  // namespace ql
