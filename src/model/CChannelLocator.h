#pragma once

#include <array>
#include <cstdint>

#include "model/ImageLayout.h"

namespace ql {

// The channel kinds, in table order.
enum class ChannelKind : std::uint8_t {
    None = 0,
    Vfo = 1,
    Mch144 = 2,
    Pch144 = 3,
    Call144 = 4,
    Mch430 = 5,
    Pch430 = 6,
    Call430 = 7,
};

struct ChannelKindInfo {
    int entries;
    int tableStart;
    std::int32_t imageOffset;
    std::int32_t recordSize;
};

[[nodiscard]] constexpr ChannelKindInfo KindInfo(ChannelKind kind) {
    namespace at = image_layout;
    constexpr int kVfo = at::kVfoCount;
    constexpr int kMch = at::kMemoryChannels;
    constexpr int kPch = at::kScanEdges;
    constexpr std::array<ChannelKindInfo, 8> kInfo = {{
        {0, 0, 0, 0},
        {kVfo, 0, at::kVfoRecords, at::kRecordSize},
        {kMch, kVfo, at::kVhfBand, at::kNamedRecordSize},
        {kPch, kVfo + kMch, at::kVhfBand + at::kScanEdgeOffset, at::kRecordSize},
        {1, kVfo + kMch + kPch, at::kVhfBand + at::kCallOffset, at::kNamedRecordSize},
        {kMch, kVfo + kMch + kPch + 1, at::kUhfBand, at::kNamedRecordSize},
        {kPch, kVfo + 2 * kMch + kPch + 1, at::kUhfBand + at::kScanEdgeOffset, at::kRecordSize},
        {1, kVfo + 2 * (kMch + kPch) + 1, at::kUhfBand + at::kCallOffset, at::kNamedRecordSize},
    }};
    return kInfo[static_cast<std::size_t>(kind)];
}

inline constexpr int kChannelCount = 217;

// A channel addressed by kind and index within the kind.
class CChannelLocator {
  public:
    constexpr CChannelLocator() = default;
    constexpr CChannelLocator(ChannelKind kind, int index) : kind_(kind), index_(index) {}

    void Set(ChannelKind kind, int index) {
        kind_ = kind;
        index_ = index;
    }
    // The next channel in table order; after the last one, kind None.
    void Next() {
        if (kind_ == ChannelKind::None) return;
        if (++index_ >= KindInfo(kind_).entries) {
            index_ = 0;
            kind_ = kind_ == ChannelKind::Call430
                        ? ChannelKind::None
                        : static_cast<ChannelKind>(static_cast<int>(kind_) + 1);
        }
    }

    [[nodiscard]] constexpr ChannelKind Kind() const { return kind_; }
    [[nodiscard]] constexpr int Index() const { return index_; }
    [[nodiscard]] constexpr int TablePosition() const {
        return KindInfo(kind_).tableStart + index_;
    }
    [[nodiscard]] constexpr std::int32_t ImageOffset() const {
        const auto info = KindInfo(kind_);
        return info.imageOffset + info.recordSize * index_;
    }
    [[nodiscard]] constexpr bool IsMemory() const {
        return kind_ == ChannelKind::Mch144 || kind_ == ChannelKind::Mch430;
    }
    [[nodiscard]] constexpr bool HasName() const {
        return IsMemory() || kind_ == ChannelKind::Call144 || kind_ == ChannelKind::Call430;
    }
    // Memory channels and the scan edges 2A to 3B may be blank (hidden).
    [[nodiscard]] constexpr bool CanBeBlank() const {
        return IsMemory() ||
               ((kind_ == ChannelKind::Pch144 || kind_ == ChannelKind::Pch430) && index_ >= 2);
    }

    friend constexpr bool operator==(const CChannelLocator&, const CChannelLocator&) = default;

  private:
    ChannelKind kind_ = ChannelKind::None;
    int index_ = 0;
};

}  // namespace ql
