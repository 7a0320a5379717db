#include "support/TestSupport.h"

#include "support/FullDataSet.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "datafile/IcfFile.h"

namespace ql::test {

namespace fs = std::filesystem;
using namespace std::string_literals;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "ql7400-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary directory from " << pattern;
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string DataLine(std::uint32_t address, std::span<const std::uint8_t> bytes) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X%02X", address, static_cast<unsigned>(bytes.size()));
    std::string line = buffer;
    for (const std::uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        line += buffer;
    }
    return line;
}

std::string IcfText(const CMemoryImage& image, std::string_view comment, std::string_view lineEnd,
                    int bytesPerLine) {
    std::string text = "20470001";
    text += lineEnd;
    text += "#";
    text += comment;
    text += lineEnd;
    const auto bytes = image.Bytes();
    for (std::size_t at = 0; at < bytes.size(); at += static_cast<std::size_t>(bytesPerLine)) {
        const std::size_t n =
            std::min<std::size_t>(static_cast<std::size_t>(bytesPerLine), bytes.size() - at);
        text += DataLine(static_cast<std::uint32_t>(at), bytes.subspan(at, n));
        text += lineEnd;
    }
    return text;
}

std::string Hex(const CMemoryImage& image, int pos, int count) {
    std::string text;
    char buffer[4];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", image.ReadByte(pos + i));
        text += buffer;
    }
    return text;
}

CMemoryImage ReadImage(const fs::path& path) {
    CMemoryImage image(4000);
    EXPECT_EQ(ReadIcf(path, image.MutableBytes()), IcfResult::kOk) << "reading " << path;
    return image;
}

namespace {

using Record = std::array<std::uint8_t, 9>;

struct FactoryRecords {
    Record vhf;
    Record uhf;
    Record vfo300;
    std::uint32_t vhfLow, vhfHigh, uhfLow, uhfHigh;  // band limits in MHz
};

FactoryRecords RecordsOf(int version) {
    const Record usaV{0x14, 0x60, 0x10, 0x00, 0x00, 0x20, 0x80, 0x06, 0x00};
    const Record usaU{0x44, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x50, 0x00};
    const Record u430{0x43, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x50, 0x00};
    const Record r300{0x36, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x00, 0x00};
    const Record eurV{0x14, 0x50, 0x00, 0x80, 0x05, 0x20, 0x80, 0x06, 0x00};
    const Record eur300{0x36, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x00, 0x00};
    const Record jpnV{0x14, 0x50, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00};
    const Record jpnU{0x43, 0x30, 0x00, 0x00, 0x04, 0x20, 0x80, 0x50, 0x00};
    const Record r300k{0x36, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00};
    switch (version) {
        case 0:
        case 1:
            return {usaV, usaU, r300, version == 0 ? 144u : 140u, version == 0 ? 148u : 150u,
                    430,  450};
        case 2:
            return {{0x14, 0x50, 0x00, 0x00, 0x05, 0x20, 0x80, 0x06, 0x00},
                    u430,
                    r300,
                    144,
                    148,
                    430,
                    440};
        case 3:
            return {{0x14, 0x65, 0x20, 0x00, 0x00, 0x20, 0x80, 0x06, 0x00},
                    u430,
                    r300,
                    140,
                    150,
                    430,
                    440};
        case 4:
        case 7:
            return {eurV,
                    {0x43, 0x20, 0x00, 0x80, 0x05, 0x20, 0x80, 0x46, 0x00},
                    eur300,
                    version == 4 ? 144u : 140u,
                    version == 4 ? 146u : 150u,
                    432,
                    438};
        case 5:
        case 8:
            return {eurV,
                    {0x43, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x76, 0x00},
                    eur300,
                    version == 5 ? 144u : 140u,
                    version == 5 ? 146u : 150u,
                    430,
                    440};
        case 6:
        case 9:
            return {eurV,
                    {0x43, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x16, 0x00},
                    eur300,
                    version == 6 ? 144u : 140u,
                    version == 6 ? 146u : 150u,
                    430,
                    440};
        case 10:
            return {{0x14, 0x50, 0x00, 0x00, 0x04, 0x20, 0x80, 0x06, 0x00},
                    {0x43, 0x30, 0x00, 0x00, 0x04, 0x20, 0x80, 0x50, 0x00},
                    r300k,
                    144,
                    146,
                    430,
                    440};
        case 11:
            return {
                jpnV, {0x43, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00}, r300k, 144, 146, 430,
                440};
        case 12:
            return {usaV, u430, r300, 144, 148, 430, 440};
        case 14:
            return {jpnV, jpnU, {0x36, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x50, 0x00}, 144, 146,
                    430,  440};
        default:  // 13 and 15
            return {jpnV, jpnU, r300k, 144, 146, 430, 440};
    }
}

// Three digit-coded bytes of a whole number of MHz.
std::array<std::uint8_t, 3> MHzDigits(std::uint32_t mhz) {
    return {static_cast<std::uint8_t>(((mhz / 100) << 4) | ((mhz / 10) % 10)),
            static_cast<std::uint8_t>((mhz % 10) << 4), 0};
}

void Put(CMemoryImage& image, int pos, std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image.WriteByte(pos + static_cast<int>(i), bytes[i]);
    }
}

Record Hidden(Record r) {
    r[3] |= 0x10;
    return r;
}

void PutBand(CMemoryImage& image, int base, const Record& rec, std::uint32_t low,
             std::uint32_t high) {
    const std::array<std::uint8_t, 8> blanks{0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20};
    for (int ch = 0; ch < 99; ++ch) {
        Put(image, base + 17 * ch, ch == 0 ? rec : Hidden(rec));
        Put(image, base + 17 * ch + 9, blanks);
    }
    for (int edge = 0; edge < 6; ++edge) {
        Record r = edge < 2 ? rec : Hidden(rec);
        const auto digits = MHzDigits(edge % 2 == 0 ? low : high);
        std::copy(digits.begin(), digits.end(), r.begin());
        Put(image, base + 1683 + 9 * edge, r);
    }
    Put(image, base + 1737, rec);
    Put(image, base + 1746, blanks);
    for (int i = 0; i < 10; ++i) Put(image, base + 1754 + 9 * i, Hidden(rec));
}

}  // namespace

CMemoryImage ExpectedFactoryImage(int version) {
    const FactoryRecords r = RecordsOf(version);
    CMemoryImage image(4000);
    PutBand(image, 0, r.vhf, r.vhfLow, r.vhfHigh);
    image.FillBytes(1844, 0xFF, 12);
    PutBand(image, 1856, r.uhf, r.uhfLow, r.uhfHigh);
    Put(image, 3700,
        std::array<std::uint8_t, 9>{0x60, 0x7F, 0xDB, 0x72, 0x70, 0x7E, 0xFF, 0xFF, 0xFF});
    for (int k = 0; k < 14; ++k) image.WriteByte(3712 + 9 * k + 8, 0x0A);
    Put(image, 3840, Record{0x12, 0x70, 0x00, 0x84, 0x02, 0x20, 0x80, 0x00, 0x00});
    Put(image, 3849, r.vhf);
    Put(image, 3858, r.vfo300);
    Put(image, 3867, r.uhf);
    Put(image, 3876, Record{0x90, 0x00, 0x00, 0x80, 0x02, 0x20, 0x80, 0x00, 0x00});
    image.FillBytes(3885, 0xFF, 3);
    Put(image, 3888, r.vhf);
    Put(image, 3897, std::array<std::uint8_t, 7>{0xC1, 0x00, 0x50, 0x02, 0x00, 0x00, 0x60});
    Put(image, 3904, r.uhf);
    Put(image, 3913, std::array<std::uint8_t, 7>{0xC3, 0x00, 0x50, 0x02, 0x00, 0x00, 0x60});
    const std::uint8_t repeater = (version == 10 || version == 15) ? 1 : 0;
    Put(image, 3920, std::array<std::uint8_t, 20>{0x01, 0x00, repeater, 0x00, 0x00, 0x00, 0x01,
                                                  0x01, 0x00, 0x00,     0x00, 0x00, 0x02, 0x06,
                                                  0x11, 0x10, 0x00,     0x0C, 0x10, 0x00});
    Put(image, 3940,
        std::array<std::uint8_t, 12>{0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,
                                     0xFF, 0xFF});
    image.FillBytes(3952, 0x20, 24);
    Put(image, 3976,
        std::array<std::uint8_t, 16>{0x10, 0x00, 0x20, 0x80, 0x06, 0x00, 0x20, 0x20, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const std::string_view tail = "20470001";
    for (int i = 0; i < 8; ++i) image.WriteByte(3992 + i, static_cast<std::uint8_t>(tail[i]));
    return image;
}

const std::vector<std::string>& VersionNames() {
    static const std::vector<std::string> names{
        "USA-A", "USA-B", "AUS", "SEA", "EUR-A", "EUR-B", "EUR-C", "EUR-D",
        "EUR-E", "EUR-F", "KOR", "TPE", "CSA",   "JPN-1", "JPN-2", "JPN-3"};
    return names;
}

const std::vector<std::string>& CommonItemNames() {
    static const std::vector<std::string> names = [] {
        const std::string_view all =
            "BEEP TOT AUTO_REPEATER AUTO_POWER_OFF FAN PACKET_BAUDRATE SQUELCH_DELAY MIC_ID "
            "SUB_BAND_MUTE SUB_BAND_BEEP RF_ATTENUATER NAME_DISPLAY MIC_F1_FUNCTION "
            "MIC_F2_FUNCTION MIC_UP_FUNCTION MIC_DN_FUNCTION LCD_CONTRAST LCD_BACKLIGHT "
            "DISPLAY_TYPE OPERATION_MODE_VHF BAND_OF_VFO_VHF MCH_NO_VHF CALL_POSITION_VHF "
            "MAIN_DISPLAY_VHF SCAN_STOP_ACTION_VHF PROGRAM_SCAN_EDGE_VHF MCH_SCAN_SELECT_VHF "
            "RF_POWER_VHF OPERATION_MODE_UHF BAND_OF_VFO_UHF MCH_NO_UHF CALL_POSITION_UHF "
            "MAIN_DISPLAY_UHF SCAN_STOP_ACTION_UHF PROGRAM_SCAN_EDGE_UHF MCH_SCAN_SELECT_UHF "
            "RF_POWER_UHF DTMF_CH_NO DTMF_SPEED OPENING_TEXT CLONE_COMMENT "
            "SUB_BAND_REMO_PASSWORD SUB_BAND_REMO_SKIP";
        std::vector<std::string> list;
        std::istringstream words{std::string(all)};
        for (std::string word; words >> word;) list.push_back(word);
        return list;
    }();
    return names;
}

const std::vector<std::string>& AllChannelPaths() {
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> p;
        for (const char* vfo : {"Air", "144", "300", "430", "800"}) {
            p.push_back("CH.VFO."s + vfo + ".");
        }
        for (const char* band : {"144", "430"}) {
            for (int n = 1; n <= 99; ++n) {
                p.push_back("CH.MCH_"s + band + "." + std::to_string(n) + ".");
            }
            for (const char* edge : {"1A", "1B", "2A", "2B", "3A", "3B"}) {
                p.push_back("CH.PCH_"s + band + "." + edge + ".");
            }
            p.push_back("CH.CALL_"s + band + ".");
        }
        return p;
    }();
    return paths;
}

TestRadio::TestRadio(std::optional<int> version, int mask, bool reset) {
    if (version) {
        settings.SetInt("SetupInfo", "0000", 1);
        settings.SetInt("SetupInfo", "0001", *version);
        settings.SetInt("SetupInfo", "0002", mask);
    }
    radio_ = std::make_unique<C7400RadioData>(settings);
    if (reset) radio_->Reset();
}

void TestRadio::Recreate(bool reset) {
    radio_.reset();
    radio_ = std::make_unique<C7400RadioData>(settings);
    if (reset) radio_->Reset();
}

std::string TestRadio::Dump() {
    std::ostringstream out;
    out << "MODEL.COUNTRY=" << (*this)("MODEL.COUNTRY") << '\n';
    out << "MODEL.EXPAND=" << (*this)("MODEL.EXPAND.ByNumber") << '\n';
    for (const auto& path : AllChannelPaths()) out << path << (*this)(path + "ALL") << '\n';
    for (const auto& name : CommonItemNames()) {
        out << name << '=' << (*this)("COMMON."s + name) << '\n';
    }
    for (int k = 0; k < 14; ++k)
        out << "DTMF." << k << '=' << (*this)("DTMF."s + std::to_string(k)) << '\n';
    return out.str();
}

CMemoryImage TestRadio::SavedImage(const TempDir& dir) {
    const fs::path file = dir.File("saved-image.icf");
    EXPECT_EQ((*this)(Quoted("FILE.SAVE.", file)), "OK");
    return ReadImage(file);
}

void TestRadio::FillAllMemoryChannels() {
    test::FillAllMemoryChannels(Data());
    (*this)("HEAL");
}

void ExpectAnswers(TestRadio& radio, std::string_view script) {
    while (!script.empty()) {
        const std::string_view step = script.substr(0, script.find('|'));
        script.remove_prefix(std::min(script.size(), step.size() + 1));
        const std::size_t arrow = step.find('>');
        if (arrow == std::string_view::npos) {
            ADD_FAILURE() << "a step without an answer: " << step;
            continue;
        }
        EXPECT_EQ(radio(step.substr(0, arrow)), step.substr(arrow + 1)) << step.substr(0, arrow);
    }
}

std::string Quoted(std::string_view prefix, const fs::path& path) {
    std::string text(prefix);
    text += '"';
    text += path.string();
    text += '"';
    return text;
}

}  // namespace ql::test
