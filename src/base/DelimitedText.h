#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// One record of a delimited text: its fields and the line of the text it starts on (from 1).
struct DelimitedRecord {
    std::size_t line = 0;
    std::vector<std::string> fields;

    // True when every field is empty (a blank line, or a line of separators only).
    [[nodiscard]] bool Empty() const;
};

// Reads comma-, semicolon- or tab-separated text as spreadsheets write it, one record at a
// time: UTF-8 with or without a byte-order mark, lines ended by CR LF, LF or CR, fields in
// double quotes holding separators, line ends and doubled quotes. The separator is the
// caller's or, when 0, the one the first line uses most: a tab wherever one occurs outside
// quotes, else a semicolon when there are more of those than commas, else a comma.
//
// The text is checked before the first record: a NUL byte, another control character than
// tab, CR and LF, or bytes that are not UTF-8 make it no text (Error() says where), and so
// does a quoted field that runs to the end. A record of more than kMaxFields fields stops
// the reading with an error too, so no input makes a record grow without bound.
class CDelimitedReader {
  public:
    static constexpr std::size_t kMaxFields = 256;

    explicit CDelimitedReader(std::string_view text, char separator = 0);

    // The next record into record (its storage is reused); false at the end or on an error.
    bool Next(DelimitedRecord& record);

    [[nodiscard]] char Separator() const { return separator_; }
    // One line naming the cause ("line 3: a quoted field is not closed"); empty while none.
    [[nodiscard]] const std::string& Error() const { return error_; }

  private:
    void Check();
    void Fail(std::size_t line, std::string_view what);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    char separator_ = ',';
    std::string error_;
};

// Appends field to out as one field of a text separated by separator, in double quotes
// (with quotes doubled) when it holds the separator, a quote, a line end or outer blanks.
void AppendDelimitedField(std::string& out, std::string_view field, char separator);

}  // namespace ql
