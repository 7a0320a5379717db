#include "datafile/IcfFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "base/FileWriting.h"
#include "base/InputFile.h"
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

IcfResult CheckHeader(std::string_view header) {
    if (header.size() != 8) return IcfResult::kFormatError;
    const std::string expected = ExpectedHeader();
    for (std::size_t i = 0; i < 8; ++i) {
        if (header[i] < '0' || header[i] > '9') return IcfResult::kFormatError;
        if (header[i] != expected[i]) {
            return i < 4 ? IcfResult::kMismatchModel : IcfResult::kMismatchRevision;
        }
    }
    return IcfResult::kOk;
}

// The lines of a stream, each at most kIcfMaxLineLength characters.
class CStreamLines {
  public:
    explicit CStreamLines(std::istream& in) : in_(in) {}
    LineStatus Next(std::string_view& line) {
        const LineStatus status = ReadBoundedLine(in_, text_, kIcfMaxLineLength, ended_);
        line = text_;
        return status;
    }
    // After TooLong: passes over the rest of the line, however long.
    LineStatus SkipRest() { return ended_ ? LineStatus::Line : SkipRestOfLine(in_); }

  private:
    std::istream& in_;
    std::string text_;
    bool ended_ = true;
};

// The lines of a text in memory, read as CStreamLines reads them from a stream.
class CTextLines {
  public:
    explicit CTextLines(std::string_view text) : text_(text) {}
    LineStatus Next(std::string_view& line) {
        if (text_.empty()) {
            line = {};
            return LineStatus::End;
        }
        const std::size_t end = text_.find('\n');
        line = text_.substr(0, end);
        text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line.size() > kIcfMaxLineLength ? LineStatus::TooLong : LineStatus::Line;
    }
    static LineStatus SkipRest() { return LineStatus::Line; }

  private:
    std::string_view text_;
};

template <typename Lines>
IcfResult ReadLines(Lines& lines, std::span<std::uint8_t> bytes) {
    CBlockRecord record;
    record.Attach(bytes);
    std::string_view line;
    LineStatus status = lines.Next(line);
    if (status == LineStatus::Error) return IcfResult::kCannotOpenFile;
    if (status != LineStatus::Line) return IcfResult::kFormatError;
    if (const IcfResult result = CheckHeader(line); result != IcfResult::kOk) return result;
    for (;;) {
        status = lines.Next(line);
        if (status == LineStatus::End) break;
        if (status == LineStatus::Error) return IcfResult::kCannotOpenFile;
        if (status == LineStatus::TooLong) {
            // Only a comment may be longer than a data line; it is passed over unread.
            if (line.front() != '#') return IcfResult::kFormatError;
            status = lines.SkipRest();
            if (status == LineStatus::Error) return IcfResult::kCannotOpenFile;
            if (status == LineStatus::End) break;
            continue;
        }
        if (line.empty()) return IcfResult::kFormatError;
        if (line.front() == '#') continue;
        if (const IcfResult result = record.FromText(line); result != IcfResult::kOk) {
            return result;
        }
        record.WriteToMemory();
    }
    return record.Complete() ? IcfResult::kOk : IcfResult::kNotEnoughData;
}

// Lines go into a copy, so an input that fails half way leaves the bytes untouched.
template <typename Lines>
IcfResult ReadInto(Lines& lines, std::span<std::uint8_t> bytes) {
    std::vector<std::uint8_t> scratch(bytes.begin(), bytes.end());
    const IcfResult result = ReadLines(lines, scratch);
    if (result == IcfResult::kOk) std::copy(scratch.begin(), scratch.end(), bytes.begin());
    return result;
}

}  // namespace

std::string FormatIcf(std::span<const std::uint8_t> bytes, std::string_view comment) {
    std::string text = ExpectedHeader();
    text.reserve(bytes.size() * 2 + bytes.size() / 16 * 8 + comment.size() + 16);
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
            record.AppendText(text);
            text += kLineEnd;
            address = end + 1;
        }
    }
    return text;
}

IcfFileOutcome WriteIcf(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                        std::string_view comment) {
    const FileSaveResult saved = SaveFile(path, FormatIcf(bytes, comment), Durability::Deferred);
    if (!saved.Ok()) return {IcfResult::kCannotOpenFile, saved.ErrorNumber()};
    return {};
}

IcfResult ReadIcf(std::istream& in, std::span<std::uint8_t> bytes) {
    CStreamLines lines(in);
    return ReadInto(lines, bytes);
}

IcfResult ReadIcfText(std::string_view text, std::span<std::uint8_t> bytes) {
    CTextLines lines(text);
    return ReadInto(lines, bytes);
}

IcfFileOutcome ReadIcf(const std::filesystem::path& path, std::span<std::uint8_t> bytes) {
    CInputFile file(path);
    if (!file.IsOpen()) return {IcfResult::kCannotOpenFile, file.Error()};
    std::istream in(&file);
    std::vector<std::uint8_t> scratch(bytes.begin(), bytes.end());
    const IcfResult result = ReadIcf(in, scratch);
    // A read error ends the input early; whatever the lines seemed to say, the file failed.
    if (file.Error() != 0) return {IcfResult::kCannotOpenFile, file.Error()};
    if (result == IcfResult::kOk) std::copy(scratch.begin(), scratch.end(), bytes.begin());
    return {result, 0};
}

}  // namespace ql
