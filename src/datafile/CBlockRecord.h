#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafile/IcfResult.h"

namespace ql {

// One data line of a data file: an address, a count and the bytes, read from or written
// to the memory bytes. Remembers which memory bytes it has written since they were attached.
class CBlockRecord {
  public:
    // Remembers the memory bytes (not owned; they must outlive the record's use); other bytes
    // than before start a fresh coverage set.
    void Attach(std::span<std::uint8_t> memory);
    // Sets address and count; the data bytes are zero until read or parsed.
    void Prepare(std::uint32_t address, std::uint16_t count);

    // Copies the block's bytes out of memory (only when the block lies inside it).
    void ReadFrom(std::span<const std::uint8_t> memory);
    // Copies the bytes into the attached memory (only when the block lies inside it) and marks
    // them covered.
    void WriteToMemory();
    // True when every attached memory byte has been written.
    [[nodiscard]] bool Complete() const;

    // Appends "%04X%02X" of address and count, then "%02X" per byte.
    void AppendText(std::string& text) const;
    // Parses a data line: kOk, kError (no memory), kFormatError or kDataOverflow.
    [[nodiscard]] IcfResult FromText(std::string_view line);

    [[nodiscard]] std::uint32_t Address() const { return address_; }
    [[nodiscard]] const std::vector<std::uint8_t>& Data() const { return data_; }

  private:
    // True when the block is not empty and lies wholly inside memorySize bytes.
    [[nodiscard]] bool Inside(std::size_t memorySize) const;

    std::uint32_t address_ = 0;
    std::vector<std::uint8_t> data_;
    std::span<std::uint8_t> memory_;
    bool attached_ = false;
    std::vector<std::uint8_t> coverage_;
};

}  // namespace ql
