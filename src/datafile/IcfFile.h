#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "datafile/IcfResult.h"

namespace ql {

inline constexpr int kIcfModelNumber = 2047;
inline constexpr int kIcfRevision = 1;
// The longest legal header or data line: an address, a count and 255 data bytes. Comment
// lines may be of any length.
inline constexpr std::size_t kIcfMaxLineLength = 516;

// The data file of the memory bytes: header, "#" and comment, then 16-byte data lines,
// each line ending in CR LF.
[[nodiscard]] std::string FormatIcf(std::span<const std::uint8_t> bytes, std::string_view comment);

// Writes FormatIcf's text to path, replacing the file that path names as SaveFile does (the
// data file commands write intermediate files, which need no flush; the document flushes the
// file the user saves). kOk, or kCannotOpenFile with the errno value (EINVAL for a path that
// names no regular file); a failed write leaves the old file as it was.
[[nodiscard]] IcfFileOutcome WriteIcf(const std::filesystem::path& path,
                                      std::span<const std::uint8_t> bytes,
                                      std::string_view comment);

// Reads a data file into the memory bytes; the file must cover every one of them. On
// failure the bytes are exactly as before. An input that fails while being read gives
// kCannotOpenFile.
[[nodiscard]] IcfResult ReadIcf(std::istream& in, std::span<std::uint8_t> bytes);
[[nodiscard]] IcfResult ReadIcfText(std::string_view text, std::span<std::uint8_t> bytes);
// The file at path: kCannotOpenFile with the errno value when it cannot be opened (a
// directory, for one) or read. Never blocks on a FIFO without a writer.
[[nodiscard]] IcfFileOutcome ReadIcf(const std::filesystem::path& path,
                                     std::span<std::uint8_t> bytes);

}  // namespace ql
