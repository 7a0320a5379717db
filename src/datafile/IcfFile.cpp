#include "datafile/IcfFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <vector>

#include "base/FileWriting.h"
#include "base/LineReader.h"
#include "datafile/CBlockRecord.h"

namespace ql {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string ExpectedHeader() {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d%04d", kIcfModelNumber, kIcfRevision);
    return buffer.data();
}

std::string CheckHeader(std::string_view header) {
    if (header.size() != 8) return "FORMAT_ERROR";
    const std::string expected = ExpectedHeader();
    for (std::size_t i = 0; i < 8; ++i) {
        if (header[i] < '0' || header[i] > '9') return "FORMAT_ERROR";
        if (header[i] != expected[i]) return i < 4 ? "MISMATCH_MODEL" : "MISMATCH_REVISION";
    }
    return {};
}

std::string ReadLines(std::istream& in, std::span<std::uint8_t> bytes) {
    CBlockRecord record;
    record.Attach(bytes);
    std::string line;
    if (ReadBoundedLine(in, line, kIcfMaxLineLength) != LineStatus::Line) return "FORMAT_ERROR";
    if (std::string result = CheckHeader(line); !result.empty()) return result;
    for (;;) {
        const LineStatus status = ReadBoundedLine(in, line, kIcfMaxLineLength);
        if (status == LineStatus::End) break;
        if (status == LineStatus::TooLong || line.empty()) return "FORMAT_ERROR";
        if (line.front() == '#') continue;
        if (std::string result = record.FromText(line); result != "OK") return result;
        record.WriteToMemory();
    }
    return record.Complete() ? std::string() : "NOT_ENOUGH_DATA";
}

}  // namespace

std::string WriteIcf(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                     std::string_view comment) {
    std::string text = ExpectedHeader();
    text += kLineEnd;
    text += '#';
    text += comment;
    text += kLineEnd;

    // Inclusive address ranges to write; lines never cross a 16-byte row.
    const std::array<std::pair<std::int32_t, std::int32_t>, 1> ranges = {
        {{0, static_cast<std::int32_t>(bytes.size()) - 1}}};
    CBlockRecord record;
    for (const auto& [first, last] : ranges) {
        for (std::int32_t address = first; address <= last;) {
            const std::int32_t rowEnd = (address | 15);
            const std::int32_t end = std::min(rowEnd, last);
            record.Prepare(static_cast<std::uint32_t>(address),
                           static_cast<std::uint16_t>(end - address + 1));
            record.ReadFrom(bytes);
            text += record.ToText();
            text += kLineEnd;
            address = end + 1;
        }
    }
    // The data file commands mostly write intermediate files (the radio data object's own,
    // the clone file), which need no flush; the document flushes the file the user saves.
    return SaveFile(path, text, Durability::Deferred).Ok() ? "OK" : "CANNOT_OPEN_FILE";
}

std::string ReadIcf(const std::filesystem::path& path, std::span<std::uint8_t> bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "CANNOT_OPEN_FILE";
    // Lines go into a copy, so a file that fails half way leaves the bytes untouched.
    std::vector<std::uint8_t> scratch(bytes.begin(), bytes.end());
    std::string result = ReadLines(in, scratch);
    if (!result.empty()) return result;
    std::copy(scratch.begin(), scratch.end(), bytes.begin());
    return "OK";
}

}  // namespace ql
