#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace ql {

inline constexpr int kIcfModelNumber = 2047;
inline constexpr int kIcfRevision = 1;
// The longest legal line: an address, a count and 255 data bytes.
inline constexpr std::size_t kIcfMaxLineLength = 516;

// Writes the memory bytes as a data file: header, "#" and comment, then 16-byte data lines,
// each line ending in CR LF, replacing the file that path names as SaveFile does. Returns
// "OK" or "CANNOT_OPEN_FILE" (also for a path that names no regular file).
[[nodiscard]] std::string WriteIcf(const std::filesystem::path& path,
                                   std::span<const std::uint8_t> bytes, std::string_view comment);

// Reads a data file into the memory bytes; the file must cover every one of them. Returns
// "OK" or the failure's result text; on failure the bytes are exactly as before.
std::string ReadIcf(const std::filesystem::path& path, std::span<std::uint8_t> bytes);

}  // namespace ql
