#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/CMemoryImage.h"

namespace ql {

// One data line of a data file: an address, a count and the bytes, read from or written
// to an image. Remembers which image bytes it has written since the image was attached.
class CBlockRecord {
  public:
    // Remembers image; a different image than before starts a fresh coverage set.
    void Attach(CMemoryImage& image);
    // Sets address and count; the data bytes are zero until read or parsed.
    void Prepare(std::uint32_t address, std::uint16_t count);

    // Copies the block's bytes out of image (only when the block lies inside it).
    void ReadFromImage(const CMemoryImage& image);
    // Copies the bytes into the attached image and marks them covered.
    void WriteToImage();
    // True when every byte of the attached image has been written.
    [[nodiscard]] bool Complete() const;

    // "%04X%02X" of address and count, then "%02X" per byte.
    [[nodiscard]] std::string ToText() const;
    // Parses a data line: "OK", "ERROR" (no image), "FORMAT_ERROR" or "DATA_OVERFLOW".
    std::string FromText(std::string_view line);

    [[nodiscard]] std::uint32_t Address() const { return address_; }
    [[nodiscard]] const std::vector<std::uint8_t>& Data() const { return data_; }

  private:
    std::uint32_t address_ = 0;
    std::vector<std::uint8_t> data_;
    CMemoryImage* image_ = nullptr;  // not owned
    std::vector<std::uint8_t> coverage_;
};

}  // namespace ql
