#pragma once

#include <istream>
#include <string>

namespace ql {

// Line: a line was read. End: the input ended before any character. TooLong: the line
// exceeds the bound; what was read of it is kept and the rest is not consumed. Error: the
// input failed while reading (a directory, an I/O error); nothing more can be read.
enum class LineStatus { Line, End, TooLong, Error };

// Reads one line (LF or CR LF ends it; the line end is removed) of at most maxLength
// characters. A longer line stops the read at once with TooLong, so no input can make
// a line grow without bound. Never throws, whatever the stream's buffer does.
LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength);

// As ReadBoundedLine; lineEnded tells whether the line's end (line feed or end of input)
// has been consumed, which for TooLong may or may not be so.
LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength,
                           bool& lineEnded);

// Discards the rest of the current line, up to and including its line feed, without
// keeping it: a line of any length passes in constant memory. Returns Line, End when the
// input ended on the way, or Error.
LineStatus SkipRestOfLine(std::istream& in);

}  // namespace ql
