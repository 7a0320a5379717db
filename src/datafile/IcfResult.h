#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace ql {

// The outcome of reading or writing a data file. Only the command answers and the archive
// results turn it into its text.
enum class IcfResult : std::uint8_t {
    kOk,
    kCannotOpenFile,
    kFormatError,
    kMismatchModel,
    kMismatchRevision,
    kDataOverflow,
    kNotEnoughData,
    kError,  // a block record without memory
};

// "OK", "CANNOT_OPEN_FILE", "FORMAT_ERROR", "MISMATCH_MODEL", "MISMATCH_REVISION",
// "DATA_OVERFLOW", "NOT_ENOUGH_DATA" or "ERROR".
[[nodiscard]] std::string_view ResultText(IcfResult result);

// The result whose text is text; kError for any other text.
[[nodiscard]] IcfResult ResultFromText(std::string_view text);

inline std::ostream& operator<<(std::ostream& out, IcfResult result) {
    return out << ResultText(result);
}

// A file's outcome: the result and, when the file itself failed, the errno value.
struct IcfFileOutcome {
    IcfResult result = IcfResult::kOk;
    int error = 0;

    [[nodiscard]] bool Ok() const { return result == IcfResult::kOk; }
    friend bool operator==(const IcfFileOutcome& outcome, IcfResult expected) {
        return outcome.result == expected;
    }
    friend std::ostream& operator<<(std::ostream& out, const IcfFileOutcome& outcome) {
        return out << outcome.result;
    }
};

}  // namespace ql
