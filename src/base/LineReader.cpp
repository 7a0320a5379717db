#include "base/LineReader.h"

#include <exception>

namespace ql {

namespace {
using Traits = std::char_traits<char>;

// One character from buffer; eof at the end. A buffer that throws (a file stream whose
// read failed) counts as a failed input, never as an exception for the caller.
Traits::int_type NextChar(std::istream& in, std::streambuf& buffer, bool& failed) {
    try {
        const auto c = buffer.sbumpc();
        if (c == Traits::eof()) in.setstate(std::ios::eofbit);
        return c;
    } catch (const std::exception&) {
        failed = true;
        in.setstate(std::ios::badbit);
        return Traits::eof();
    }
}
}  // namespace

LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength) {
    bool lineEnded = false;
    return ReadBoundedLine(in, line, maxLength, lineEnded);
}

LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength,
                           bool& lineEnded) {
    line.clear();
    lineEnded = true;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || in.bad()) return in.bad() ? LineStatus::Error : LineStatus::End;
    bool any = false;
    bool failed = false;
    for (;;) {
        const auto c = NextChar(in, *buffer, failed);
        if (failed) return LineStatus::Error;
        if (c == Traits::eof()) break;
        any = true;
        if (c == '\n') break;
        // One more than the longest line, for the carriage return before the line feed.
        if (line.size() > maxLength) {
            lineEnded = false;
            return LineStatus::TooLong;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxLength) return LineStatus::TooLong;
    return any ? LineStatus::Line : LineStatus::End;
}

LineStatus SkipRestOfLine(std::istream& in) {
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || in.bad()) return in.bad() ? LineStatus::Error : LineStatus::End;
    bool failed = false;
    for (;;) {
        const auto c = NextChar(in, *buffer, failed);
        if (failed) return LineStatus::Error;
        if (c == Traits::eof()) return LineStatus::End;
        if (c == '\n') return LineStatus::Line;
    }
}

}  // namespace ql
