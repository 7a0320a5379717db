#include "base/LineReader.h"

namespace ql {

LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return LineStatus::End;
    bool any = false;
    for (;;) {
        const auto c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        if (c == '\n') break;
        // One more than the longest line, for the carriage return before the line feed.
        if (line.size() > maxLength) return LineStatus::TooLong;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxLength) return LineStatus::TooLong;
    return any ? LineStatus::Line : LineStatus::End;
}

}  // namespace ql
