#include "datafile/CBlockRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/HexDigits.h"

namespace ql {

namespace {
unsigned HexNumber(std::string_view digits) {
    unsigned value = 0;
    for (const char c : digits) value = value * 16 + static_cast<unsigned>(HexValue(c));
    return value;
}
}  // namespace

void CBlockRecord::Attach(std::span<std::uint8_t> memory) {
    if (attached_ && memory_.data() == memory.data() && memory_.size() == memory.size() &&
        !coverage_.empty())
        return;
    memory_ = memory;
    attached_ = true;
    const std::size_t size = memory.size();
    coverage_.assign((size + 7) / 8, 0);
    // The padding bits after the last byte count as covered.
    for (std::size_t bit = size; bit < coverage_.size() * 8; ++bit) {
        coverage_[bit / 8] = static_cast<std::uint8_t>(coverage_[bit / 8] | (1U << (bit % 8)));
    }
}

void CBlockRecord::Prepare(std::uint32_t address, std::uint16_t count) {
    data_.assign(count, 0);
    address_ = address;
}

bool CBlockRecord::Inside(std::size_t memorySize) const {
    return !data_.empty() && address_ < memorySize && data_.size() <= memorySize - address_;
}

void CBlockRecord::ReadFrom(std::span<const std::uint8_t> memory) {
    if (!Inside(memory.size())) return;
    std::copy_n(memory.begin() + address_, data_.size(), data_.begin());
}

void CBlockRecord::WriteToMemory() {
    if (!attached_ || !Inside(memory_.size())) return;
    std::copy(data_.begin(), data_.end(), memory_.begin() + address_);
    std::size_t bit = address_;
    const std::size_t end = address_ + data_.size();
    for (; bit < end && bit % 8 != 0; ++bit) {
        coverage_[bit / 8] = static_cast<std::uint8_t>(coverage_[bit / 8] | (1U << (bit % 8)));
    }
    // Whole bytes of the coverage set at once.
    for (; bit + 8 <= end; bit += 8) coverage_[bit / 8] = 0xFF;
    for (; bit < end; ++bit) {
        coverage_[bit / 8] = static_cast<std::uint8_t>(coverage_[bit / 8] | (1U << (bit % 8)));
    }
}

bool CBlockRecord::Complete() const {
    return attached_ && std::all_of(coverage_.begin(), coverage_.end(),
                                    [](std::uint8_t b) { return b == 0xFF; });
}

void CBlockRecord::AppendText(std::string& text) const {
    const std::size_t start = text.size();
    text.resize(start + 6 + 2 * data_.size());
    char* out = text.data() + start;
    // Two digits of the low byte of value; no loop, as this runs for every byte of a save.
    const auto put = [&out](unsigned value) {
        out[0] = HexDigit(value >> 4);
        out[1] = HexDigit(value);
        out += 2;
    };
    put(address_ >> 8);
    put(address_);
    put(static_cast<unsigned>(data_.size()));
    for (const auto byte : data_) put(byte);
}

IcfResult CBlockRecord::FromText(std::string_view line) {
    if (!attached_) return IcfResult::kError;
    if (line.size() < 8 || line.size() > 516) return IcfResult::kFormatError;
    // Any character that is no digit turns the sign bit on; one test for the whole line.
    int digits = 0;
    for (const char c : line) digits |= HexValue(c);
    if (digits < 0) return IcfResult::kFormatError;
    const unsigned address = HexNumber(line.substr(0, 4));
    const unsigned count = HexNumber(line.substr(4, 2));
    if (line.size() != 2 * count + 6) return IcfResult::kFormatError;
    if (address + count > memory_.size()) return IcfResult::kDataOverflow;
    Prepare(address, static_cast<std::uint16_t>(count));
    const char* digit = line.data() + 6;
    for (std::uint8_t& byte : data_) {
        byte = static_cast<std::uint8_t>(HexValue(digit[0]) * 16 + HexValue(digit[1]));
        digit += 2;
    }
    return IcfResult::kOk;
}

}  // namespace ql
