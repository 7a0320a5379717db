// Delimited text as spreadsheets write it, and decimal numbers read without the locale.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/DelimitedText.h"
#include "base/FixedDecimal.h"

namespace ql {
namespace {

std::vector<std::vector<std::string>> ReadAll(std::string_view text,
                                              std::vector<std::size_t>* lines = nullptr) {
    CDelimitedReader reader(text);
    DelimitedRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.Next(record)) {
        rows.push_back(record.fields);
        if (lines != nullptr) lines->push_back(record.line);
    }
    EXPECT_EQ(reader.Error(), "");
    return rows;
}

TEST(DelimitedText, FieldsQuotesAndLineNumbers) {
    std::vector<std::size_t> lines;
    const auto rows = ReadAll("a, \"b,\"\"c\"\"\" ,\"x\ny\"\r\n\r\nlast", &lines);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a", "b,\"c\" ", "x\ny"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"last"}));
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 3, 4}));

    // The separator comes from the first line, outside quotes.
    EXPECT_EQ(CDelimitedReader("a;b;\"c,d,e\"\n").Separator(), ';');
    EXPECT_EQ(CDelimitedReader("a,b;c,d\n").Separator(), ',');
    EXPECT_EQ(CDelimitedReader("a;b;c\t1,2\n").Separator(), '\t');
    EXPECT_EQ(CDelimitedReader("\"a\tb\",c\n").Separator(), ',');
}

TEST(DelimitedText, WrittenFieldsReadBack) {
    const std::vector<std::string> fields = {"plain", "a,b",        "say \"hi\"",
                                             " pad ", "two\nlines", ""};
    for (const char separator : {',', '\t'}) {
        std::string line;
        for (const std::string& field : fields) {
            if (!line.empty() || &field != &fields.front()) line.push_back(separator);
            AppendDelimitedField(line, field, separator);
        }
        EXPECT_EQ(ReadAll(line), std::vector<std::vector<std::string>>{fields});
    }
    std::string tsv;
    AppendDelimitedField(tsv, "a,b", '\t');
    EXPECT_EQ(tsv, "a,b");
}

TEST(FixedDecimal, ReadsPointOrCommaAndNothingElse) {
    EXPECT_EQ(ParseFixedDecimal("146.52", 6), 146520000);
    EXPECT_EQ(ParseFixedDecimal(" 146,520000 ", 6), 146520000);
    EXPECT_EQ(ParseFixedDecimal(".6", 6), 600000);
    EXPECT_EQ(ParseFixedDecimal("5.", 2), 500);
    EXPECT_EQ(ParseFixedDecimal("145.00625000", 6), 145006250);
    EXPECT_EQ(ParseFixedDecimal("999999999999", 0), 999999999999);
    for (const char* bad : {"", " ", ".", "-1", "+1", "1e3", "1.2.3", "145.0000001", "0x10",
                            "1 000", "9999999999999", "nan", "inf"}) {
        EXPECT_EQ(ParseFixedDecimal(bad, 6), std::nullopt) << bad;
    }
    EXPECT_EQ(FormatFixedDecimal(600000, 6), "0.600000");
    EXPECT_EQ(FormatFixedDecimal(885, 1), "88.5");
    EXPECT_EQ(FormatFixedDecimal(7, 0), "7");
}

}  // namespace
}  // namespace ql
