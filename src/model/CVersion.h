#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/CFrequency.h"

namespace ql {

// The transceiver version (destination 0-15) with its expansion mask and the legal
// frequency ranges that follow from both; answers the "MODEL." commands.
class CVersion {
  public:
    static constexpr int kCount = 16;
    static constexpr int kExpansionCount = 6;

    CVersion() { RebuildLegalRanges(); }

    [[nodiscard]] int Number() const { return number_; }
    // Takes 0-15 and ignores other numbers; a change sets the changed flag.
    void SetNumber(std::int64_t number);
    void SetMask(unsigned mask) { mask_ = mask & 0x3FU; }
    [[nodiscard]] bool Bit(int bit) const { return ((mask_ >> bit) & 1U) != 0; }
    void SetBit(int bit, bool on);

    [[nodiscard]] bool Changed() const { return changed_; }
    void ClearChanged() { changed_ = false; }

    void RebuildLegalRanges();
    [[nodiscard]] bool IsLegal(std::int64_t hz) const;

    [[nodiscard]] bool ModeAllowed(std::string_view mode, std::int64_t hz) const;
    [[nodiscard]] std::string_view ModeFallback(std::string_view mode, std::int64_t hz) const;

    // What the auto-repeater setting offers on a version: Off, Dup and Dup & Tone (the USA
    // versions), Off and On (Korea, Japan), or nothing.
    enum class AutoRepeater { kDuplex, kOffOn, kNone };

    [[nodiscard]] static std::string_view Name(int number);
    // The number of a version name ("EUR-B" is 5); -1 for an unknown name.
    [[nodiscard]] static int NumberOf(std::string_view name);
    // Whether version number (0-15) has narrow FM in the 144 MHz band; false for others.
    [[nodiscard]] static bool HasNarrowFm(int number);
    [[nodiscard]] static AutoRepeater AutoRepeaterOf(int number);
    [[nodiscard]] bool HasNarrowFm() const { return HasNarrowFm(number_); }
    // The version's 144 MHz and 430 MHz ranges in Hz.
    [[nodiscard]] std::pair<std::int32_t, std::int32_t> VhfRange() const;
    [[nodiscard]] std::pair<std::int32_t, std::int32_t> UhfRange() const;

    // "MODEL." commands; "" when the command is not one of them.
    std::string Handle(std::string_view command);

    friend bool operator==(const CVersion&, const CVersion&) = default;

  private:
    std::string HandleExpand(std::string_view rest, std::string_view value);
    [[nodiscard]] std::string ExpansionNames() const;

    bool changed_ = false;
    int number_ = 0;
    unsigned mask_ = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> legal_;
};

}  // namespace ql
