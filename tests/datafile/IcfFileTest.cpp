// The data file writer and reader on real files.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using namespace std::string_literals;

using test::IcfText;
using test::Quoted;
using test::TempDir;
using test::TestRadio;

// An image whose every byte differs from its neighbours, so misplaced bytes show.
CMemoryImage PatternImage() {
    CMemoryImage image(4000);
    for (int i = 0; i < 4000; ++i) image.WriteByte(i, static_cast<unsigned>(i * 7 + 3));
    return image;
}

TEST(IcfWriter, EveryFactoryImageSavedAndReadBackUnchanged) {
    TempDir dir;
    TestRadio radio(0);
    for (int v = 0; v < kVersionCount; ++v) {
        const std::string n = std::to_string(v);
        ASSERT_EQ(radio("MODEL.COUNTRY.ByNumber="s + n), n);
        const auto file = dir.File("factory-"s + n + ".icf");
        ASSERT_EQ(radio(Quoted("FILE.SAVE.", file)), "OK");
        const std::string bytes = test::ReadFileBytes(file);
        const auto lines = test::SplitLines(bytes);
        ASSERT_EQ(lines.size(), 252u) << v;
        EXPECT_EQ(lines[0], "20470001\r");
        EXPECT_EQ(lines[1], "#"s + std::string(16, ' ') + "\r");
        EXPECT_EQ(lines[2].substr(0, 6), "000010");
        EXPECT_EQ(lines[251].substr(0, 6), "0F9010");
        EXPECT_EQ(lines[251].substr(22, 16), "3230343730303031");  // "20470001"
        for (std::size_t i = 2; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i].size(), 39u) << v << " line " << i;  // 38 characters and CR
            EXPECT_EQ(lines[i].back(), '\r');
        }
        EXPECT_EQ(bytes.back(), '\n');

        // Read back: the image is what was saved, and the radio saves it again unchanged.
        CMemoryImage image(4000);
        ASSERT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kOk);
        EXPECT_EQ(IcfText(image, std::string(16, ' ')), bytes);
        ASSERT_EQ(radio(Quoted("FILE.LOAD.", file)), "OK");
        const auto again = dir.File("again-"s + n + ".icf");
        ASSERT_EQ(radio(Quoted("FILE.SAVE.", again)), "OK");
        EXPECT_EQ(test::ReadFileBytes(again), bytes) << v;

        // The writer on its own carries the factory image byte for byte.
        const CMemoryImage factory = BuildFactoryImage(v);
        ASSERT_EQ(WriteIcf(dir.File("raw.icf"), factory.Bytes(), "comment"), IcfResult::kOk);
        CMemoryImage raw(4000);
        ASSERT_EQ(ReadIcf(dir.File("raw.icf"), raw.MutableBytes()), IcfResult::kOk);
        EXPECT_EQ(raw, factory) << v;
    }
    ASSERT_EQ(WriteIcf(dir.File("c.icf"), PatternImage().Bytes(), "Club repeater   "),
              IcfResult::kOk);
    EXPECT_EQ(test::SplitLines(test::ReadFileBytes(dir.File("c.icf")))[1], "#Club repeater   \r");
    EXPECT_EQ(WriteIcf(dir.File("no/such/dir.icf"), PatternImage().Bytes(), ""),
              IcfResult::kCannotOpenFile);
    EXPECT_EQ(WriteIcf(dir.Path(), PatternImage().Bytes(), ""), IcfResult::kCannotOpenFile);
}

TEST(IcfReader, AcceptsEveryLegalShape) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    const auto file = dir.File("shape.icf");
    auto read = [&](const std::string& text) {
        test::WriteFileBytes(file, text);
        CMemoryImage image(4000);
        const std::string result(ResultText(ReadIcf(file, image.MutableBytes()).result));
        return result == "OK" && image == pattern ? std::string("OK") : result;
    };

    EXPECT_EQ(read(IcfText(pattern)), "OK");
    EXPECT_EQ(read(IcfText(pattern, "", "\n")), "OK");
    const std::string crlf = IcfText(pattern);
    EXPECT_EQ(read(crlf.substr(0, crlf.size() - 2)), "OK");  // no line end after the last

    std::string lower = IcfText(pattern);
    for (std::size_t i = 10; i < lower.size(); ++i) {
        if (lower[i] >= 'A' && lower[i] <= 'F') lower[i] = static_cast<char>(lower[i] + 32);
    }
    EXPECT_EQ(read(lower), "OK");

    EXPECT_EQ(read(IcfText(pattern, "", "\r\n", 250)), "OK");  // 16 lines of 250 bytes
    EXPECT_EQ(read(IcfText(pattern, "", "\r\n", 255)), "OK");  // the longest lines
    EXPECT_EQ(read(IcfText(pattern, "", "\r\n", 1)), "OK");    // one byte per line

    // Comment lines anywhere after the header, data lines in any order, overlapping.
    const auto lines = test::SplitLines(IcfText(pattern));
    std::string shuffled = lines[0] + "\n# first\n#\n";
    for (std::size_t i = lines.size() - 1; i >= 2; --i) {
        shuffled += lines[i] + "\n#between\n";
    }
    EXPECT_EQ(read(shuffled), "OK");
    CMemoryImage zeros(4000);
    std::string overlapping = IcfText(zeros) + IcfText(pattern, "", "\r\n", 100).substr(10);
    EXPECT_EQ(read(overlapping), "OK");
    std::string oneByte = IcfText(pattern);
    const std::uint8_t changed[] = {0xAB};
    oneByte += test::DataLine(0, changed) + "\r\n";
    test::WriteFileBytes(file, oneByte);
    CMemoryImage image(4000);
    ASSERT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kOk);
    EXPECT_EQ(image.ReadByte(0), 0xAB);
    EXPECT_EQ(image.ReadByte(1), pattern.ReadByte(1));
}

struct BadFile {
    const char* what;
    std::string text;
    const char* result;
};

TEST(IcfReader, EveryFailureLeavesTheImageAsItWas) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    const std::string good = IcfText(pattern);
    const auto lines = test::SplitLines(good);
    auto join = [](const std::vector<std::string>& parts) {
        std::string text;
        for (const auto& p : parts) text += p + "\r\n";
        return text;
    };
    auto withHeader = [&](const std::string& header) { return header + good.substr(8); };
    // After every good line, so that the failure comes when all bytes have been written.
    auto withLine = [&](const std::string& line) { return good + line + "\r\n"; };
    const std::size_t lineStart = 13 + 40 * 24;  // the start of a data line
    const std::string data32(32, 'A');
    std::vector<std::string> first249(lines.begin(), lines.begin() + 251);
    for (auto& l : first249) l.pop_back();

    const std::vector<BadFile> cases{
        {"empty file", "", "FORMAT_ERROR"},
        {"header of 9", withHeader("204700011"), "FORMAT_ERROR"},
        {"header of 7", "2047001\r\n"s + good.substr(10), "FORMAT_ERROR"},
        {"letter in header", withHeader("2047000A"), "FORMAT_ERROR"},
        {"letter before a mismatch", withHeader("A0480002"), "FORMAT_ERROR"},
        {"model", withHeader("20480001"), "MISMATCH_MODEL"},
        {"model before letter", withHeader("2048000A"), "MISMATCH_MODEL"},
        {"revision", withHeader("20470002"), "MISMATCH_REVISION"},
        {"header only", "20470001\r\n", "NOT_ENOUGH_DATA"},
        {"249 data lines", join(first249), "NOT_ENOUGH_DATA"},
        {"last byte missing",
         good.substr(0, good.size() - 40) + "0F900F" + std::string(30, '0') + "\r\n",
         "NOT_ENOUGH_DATA"},
        {"empty line", good.substr(0, lineStart) + "\r\n" + good.substr(lineStart), "FORMAT_ERROR"},
        {"empty line at the end", good + "\r\n", "FORMAT_ERROR"},
        {"bad hex", withLine("00001G"s + data32), "FORMAT_ERROR"},
        {"blank in line", withLine("000010 "s + data32.substr(1)), "FORMAT_ERROR"},
        {"odd length", withLine("00001"s + data32), "FORMAT_ERROR"},
        {"count mismatch", withLine("000002AB"), "FORMAT_ERROR"},
        {"count zero", withLine("00000000"), "FORMAT_ERROR"},
        {"too short", withLine("00001"), "FORMAT_ERROR"},
        {"over 516", withLine("0000FF"s + std::string(511, '0')), "FORMAT_ERROR"},
        {"overflow", withLine("0F9A10"s + data32), "DATA_OVERFLOW"},
        {"overflow by one", withLine("0FA001AB"), "DATA_OVERFLOW"},
        {"far overflow", withLine("FFFFFF"s + std::string(510, '0')), "DATA_OVERFLOW"},
    };
    const auto file = dir.File("bad.icf");
    for (const BadFile& c : cases) {
        test::WriteFileBytes(file, c.text);
        CMemoryImage image = pattern;
        image.WriteByte(100, 0x42);  // differs from the file
        const CMemoryImage before = image;
        EXPECT_EQ(ResultText(ReadIcf(file, image.MutableBytes()).result), c.result) << c.what;
        EXPECT_EQ(image, before) << c.what;
    }
    CMemoryImage image = pattern;
    EXPECT_EQ(ReadIcf(dir.File("missing.icf"), image.MutableBytes()), IcfResult::kCannotOpenFile);
    EXPECT_EQ(image, pattern);

    // A valid line of exactly 516 characters is fine.
    test::WriteFileBytes(file, good + "0000FF" + std::string(510, '0') + "\r\n");
    ASSERT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kOk);
    EXPECT_EQ(image.ReadByte(254), 0);
    EXPECT_EQ(image.ReadByte(255), pattern.ReadByte(255));
}

// The reader and writer take any memory size: the file must cover exactly those bytes.
TEST(IcfReader, PlainBytesOfAnySizeAreCoveredExactly) {
    TempDir dir;
    const auto file = dir.File("small.icf");
    CMemoryImage small(20);
    for (int i = 0; i < 20; ++i) small.WriteByte(i, static_cast<unsigned>(0xA0 + i));
    ASSERT_EQ(WriteIcf(file, small.Bytes(), "small"), IcfResult::kOk);
    EXPECT_EQ(test::ReadFileBytes(file), IcfText(small, "small"));

    std::vector<std::uint8_t> bytes(20, 0x11);
    ASSERT_EQ(ReadIcf(file, bytes), IcfResult::kOk);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), small.Bytes().begin()));

    const std::vector<std::uint8_t> before(20, 0x22);
    CMemoryImage shorter(19);  // a file lacking the last byte
    const std::vector<std::pair<std::string, const char*>> failing = {
        {IcfText(shorter, "", "\r\n", 1), "NOT_ENOUGH_DATA"},
        {IcfText(small) + "001401FF\r\n", "DATA_OVERFLOW"},
        {IcfText(small) + "001302FFFF\r\n", "DATA_OVERFLOW"},
    };
    for (const auto& [text, result] : failing) {
        test::WriteFileBytes(file, text);
        bytes = before;
        EXPECT_EQ(ResultText(ReadIcf(file, bytes).result), result) << text;
        EXPECT_EQ(bytes, before) << text;
    }
    // An empty memory needs no data line at all.
    test::WriteFileBytes(file, IcfText(CMemoryImage(0)));
    EXPECT_EQ(ReadIcf(file, std::span<std::uint8_t>()), IcfResult::kOk);
}

TEST(IcfReader, HugeAndBinaryFilesAreFormatErrors) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    const auto file = dir.File("huge.icf");

    // 32 MiB without a line end after a valid header and comment.
    std::string huge = "20470001\r\n#\r\n";
    huge.append(std::size_t{32} << 20, '0');
    test::WriteFileBytes(file, huge);
    CMemoryImage image = pattern;
    EXPECT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kFormatError);
    EXPECT_EQ(image, pattern);

    // The same as the first line.
    test::WriteFileBytes(file, huge.substr(14));
    EXPECT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kFormatError);
    EXPECT_EQ(image, pattern);

    // An endless file without a line end.
    EXPECT_EQ(ReadIcf("/dev/zero", image.MutableBytes()), IcfResult::kFormatError);
    EXPECT_EQ(image, pattern);

    std::mt19937 random(7400);
    std::string binary(1 << 16, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    test::WriteFileBytes(file, "20470001\r\n"s + binary);
    EXPECT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kFormatError);
    std::string nul = IcfText(pattern);
    nul[500] = '\0';
    test::WriteFileBytes(file, nul);
    EXPECT_EQ(ReadIcf(file, image.MutableBytes()), IcfResult::kFormatError);
    EXPECT_EQ(image, pattern);
}

TEST(IcfReader, FailedLoadLeavesTheWholeDataSet) {
    TempDir dir;
    TestRadio radio;
    radio.FillAllMemoryChannels();
    radio("COMMON.DISPLAY_TYPE=TYPE 3");
    radio("DTMF.7=7400");
    ASSERT_EQ(radio("HEAL"), "OK");
    const std::string before = radio.Dump();
    const auto good = test::SplitLines(IcfText(BuildFactoryImage(0)));
    std::string partial;  // every line but the last, then a broken one
    for (std::size_t i = 0; i + 1 < good.size(); ++i) partial += good[i] + "\n";
    const std::pair<const char*, std::string> cases[] = {
        {"NOT_ENOUGH_DATA", partial},
        {"FORMAT_ERROR", partial + "0F9010XYZ\n"},
        {"DATA_OVERFLOW", partial + "0F9A10" + std::string(32, '0') + "\n"},
        {"MISMATCH_REVISION", "20470003\n"s + partial.substr(10)},
        {"MISMATCH_MODEL", "20480001\n"s + partial.substr(10)},
    };
    const auto file = dir.File("bad.icf");
    for (const auto& [result, text] : cases) {
        test::WriteFileBytes(file, text);
        EXPECT_EQ(radio(Quoted("FILE.LOAD.", file)), result);
        EXPECT_EQ(radio.Dump(), before) << result;
    }
    EXPECT_EQ(radio(Quoted("FILE.LOAD.", dir.File("missing.icf"))), "CANNOT_OPEN_FILE");
    EXPECT_EQ(radio(Quoted("FILE.SAVE.", dir.File("no/such/dir/x.icf"))), "CANNOT_OPEN_FILE");
    EXPECT_EQ(radio.Dump(), before);
}

}  // namespace
}  // namespace ql

namespace ql {
namespace {

// A comment line may be of any length, anywhere after the header; header and data lines
// keep their bound. The file, a stream and a text in memory read alike.
TEST(IcfReader, CommentLinesOfAnyLengthArePassedOver) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    const std::string good = IcfText(pattern);
    const std::size_t third = good.find('\n', good.find('\n') + 1) + 1;
    auto withLine = [&](std::size_t at, const std::string& line) {
        return good.substr(0, at) + line + good.substr(at);
    };
    auto lineStart = [&](int n) {
        std::size_t at = 0;
        for (int i = 0; i < n; ++i) at = good.find('\n', at) + 1;
        return at;
    };
    const std::string bound = "#" + std::string(kIcfMaxLineLength, 'c');  // one over
    const std::vector<std::pair<std::string, IcfResult>> cases = {
        {withLine(third, "#" + std::string(600, 'c') + "\r\n"), IcfResult::kOk},
        {withLine(third, "#" + std::string(3 << 20, 'c') + "\n"), IcfResult::kOk},
        // One over the bound, its line end read with it: the next line is still read.
        {withLine(third, bound + "\n"), IcfResult::kOk},
        {withLine(third, bound + "\r\n"), IcfResult::kOk},
        {withLine(lineStart(100), "#" + bound + "\r\n"), IcfResult::kOk},
        {good + "#" + std::string(100000, 'x'), IcfResult::kOk},  // at the end, no line end
        {"20470001" + std::string(600, '#') + "\r\n" + good.substr(10), IcfResult::kFormatError},
        {withLine(third, "0000FF" + std::string(600, '0') + "\r\n"), IcfResult::kFormatError},
        {withLine(third, "x#" + std::string(600, 'c') + "\r\n"), IcfResult::kFormatError},
    };
    const auto file = dir.File("long.icf");
    for (const auto& [text, expected] : cases) {
        const std::string what = text.substr(third, 40);
        test::WriteFileBytes(file, text);
        CMemoryImage image(4000);
        EXPECT_EQ(ReadIcf(file, image.MutableBytes()), expected) << what;
        if (expected == IcfResult::kOk) {
            EXPECT_EQ(image, pattern) << what;
        }
        CMemoryImage fromText(4000);
        EXPECT_EQ(ReadIcfText(text, fromText.MutableBytes()), expected) << what;
        EXPECT_EQ(fromText, image) << what;
        std::istringstream in(text);
        CMemoryImage fromStream(4000);
        EXPECT_EQ(ReadIcf(in, fromStream.MutableBytes()), expected) << what;
        EXPECT_EQ(fromStream, image) << what;
    }
}

TEST(IcfReader, DirectoriesDevicesAndFifosEndInAResult) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    CMemoryImage image = pattern;
    const IcfFileOutcome folder = ReadIcf(dir.Path(), image.MutableBytes());
    EXPECT_EQ(folder, IcfResult::kCannotOpenFile);
    EXPECT_EQ(folder.error, EISDIR);
    // Reading from address 0 of the own memory fails with an I/O error.
    const IcfFileOutcome memory = ReadIcf("/proc/self/mem", image.MutableBytes());
    EXPECT_EQ(memory, IcfResult::kCannotOpenFile);
    EXPECT_EQ(memory.error, EIO);
    const auto fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadIcf(fifo, image.MutableBytes()), IcfResult::kFormatError);  // no writer: empty
    EXPECT_EQ(image, pattern);
    EXPECT_EQ(WriteIcf(dir.Path(), pattern.Bytes(), ""), IcfResult::kCannotOpenFile);
}

TEST(IcfWriter, TheTextInMemoryIsTheFile) {
    TempDir dir;
    const CMemoryImage pattern = PatternImage();
    ASSERT_EQ(WriteIcf(dir.File("p.icf"), pattern.Bytes(), "Club"), IcfResult::kOk);
    EXPECT_EQ(FormatIcf(pattern.Bytes(), "Club"), test::ReadFileBytes(dir.File("p.icf")));
    EXPECT_EQ(FormatIcf(pattern.Bytes(), "Club"), IcfText(pattern, "Club"));
}

TEST(IcfResults, EveryResultHasItsTextAndBack) {
    for (const IcfResult result :
         {IcfResult::kOk, IcfResult::kCannotOpenFile, IcfResult::kFormatError,
          IcfResult::kMismatchModel, IcfResult::kMismatchRevision, IcfResult::kDataOverflow,
          IcfResult::kNotEnoughData, IcfResult::kError}) {
        EXPECT_EQ(ResultFromText(ResultText(result)), result);
    }
    EXPECT_EQ(ResultText(IcfResult::kNotEnoughData), "NOT_ENOUGH_DATA");
    EXPECT_EQ(ResultFromText("ok"), IcfResult::kError);
}

}  // namespace
}  // namespace ql
