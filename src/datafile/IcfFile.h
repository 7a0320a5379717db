#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/CMemoryImage.h"

namespace ql {

inline constexpr int kIcfModelNumber = 2047;
inline constexpr int kIcfRevision = 1;
// The longest legal line: an address, a count and 255 data bytes.
inline constexpr std::size_t kIcfMaxLineLength = 516;

// Writes image as a data file: header, "#" and comment, then 16-byte data lines, each line
// ending in CR LF. Returns "OK" or "CANNOT_OPEN_FILE".
std::string WriteIcf(const std::filesystem::path& path, const CMemoryImage& image,
                     std::string_view comment);

// Reads a data file into image. Returns "OK" or the failure's result text; on failure the
// image is exactly as before.
std::string ReadIcf(const std::filesystem::path& path, CMemoryImage& image);

}  // namespace ql
