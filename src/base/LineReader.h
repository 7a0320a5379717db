#pragma once

#include <istream>
#include <string>

namespace ql {

enum class LineStatus { Line, End, TooLong };

// Reads one line (LF or CR LF ends it; the line end is removed) of at most maxLength
// characters. A longer line stops the read at once with TooLong, so no input can make
// a line grow without bound.
LineStatus ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxLength);

}  // namespace ql
