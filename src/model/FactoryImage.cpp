#include "model/FactoryImage.h"

#include <array>
#include <cstdint>

#include "model/CVersion.h"
#include "model/ChannelCodec.h"
#include "model/ImageLayout.h"

namespace ql {

namespace {

namespace at = image_layout;
using Record = std::array<std::uint8_t, 9>;

// The three records a version's factory image is built from: its 144 MHz VFO record,
// its 430 MHz VFO record and its 300 MHz VFO record.
struct VersionRecords {
    Record vhf;
    Record uhf;
    Record vfo300;
};

constexpr Record kUsaV = {0x14, 0x60, 0x10, 0x00, 0x00, 0x20, 0x80, 0x06, 0x00};
constexpr Record kAusV = {0x14, 0x50, 0x00, 0x00, 0x05, 0x20, 0x80, 0x06, 0x00};
constexpr Record kSeaV = {0x14, 0x65, 0x20, 0x00, 0x00, 0x20, 0x80, 0x06, 0x00};
constexpr Record kEurV = {0x14, 0x50, 0x00, 0x80, 0x05, 0x20, 0x80, 0x06, 0x00};
constexpr Record kKorV = {0x14, 0x50, 0x00, 0x00, 0x04, 0x20, 0x80, 0x06, 0x00};
constexpr Record kJpnV = {0x14, 0x50, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00};

constexpr Record kUsaU = {0x44, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x50, 0x00};
constexpr Record kAusU = {0x43, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x50, 0x00};
constexpr Record kEurAU = {0x43, 0x20, 0x00, 0x80, 0x05, 0x20, 0x80, 0x46, 0x00};
constexpr Record kEurBU = {0x43, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x76, 0x00};
constexpr Record kEurCU = {0x43, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x16, 0x00};
constexpr Record kJpnU = {0x43, 0x30, 0x00, 0x00, 0x04, 0x20, 0x80, 0x50, 0x00};
constexpr Record kTpeU = {0x43, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00};

constexpr Record kStep25k300 = {0x36, 0x00, 0x00, 0x00, 0x05, 0x20, 0x80, 0x00, 0x00};
constexpr Record kEur300 = {0x36, 0x00, 0x00, 0x80, 0x05, 0x20, 0x80, 0x00, 0x00};
constexpr Record kStep20k300 = {0x36, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x00, 0x00};
constexpr Record kJpn2300 = {0x36, 0x00, 0x00, 0x00, 0x04, 0x20, 0x80, 0x50, 0x00};

constexpr std::array<VersionRecords, kVersionCount> kRecords = {{
    {kUsaV, kUsaU, kStep25k300},  // USA-A
    {kUsaV, kUsaU, kStep25k300},  // USA-B
    {kAusV, kAusU, kStep25k300},  // AUS
    {kSeaV, kAusU, kStep25k300},  // SEA
    {kEurV, kEurAU, kEur300},     // EUR-A
    {kEurV, kEurBU, kEur300},     // EUR-B
    {kEurV, kEurCU, kEur300},     // EUR-C
    {kEurV, kEurAU, kEur300},     // EUR-D
    {kEurV, kEurBU, kEur300},     // EUR-E
    {kEurV, kEurCU, kEur300},     // EUR-F
    {kKorV, kJpnU, kStep20k300},  // KOR
    {kJpnV, kTpeU, kStep20k300},  // TPE
    {kUsaV, kAusU, kStep25k300},  // CSA
    {kJpnV, kJpnU, kStep20k300},  // JPN-1
    {kJpnV, kJpnU, kJpn2300},     // JPN-2
    {kJpnV, kJpnU, kStep20k300},  // JPN-3
}};

constexpr Record kVfoAir = {0x12, 0x70, 0x00, 0x84, 0x02, 0x20, 0x80, 0x00, 0x00};
constexpr Record kVfo800 = {0x90, 0x00, 0x00, 0x80, 0x02, 0x20, 0x80, 0x00, 0x00};

// The factory sub-band remote password, the same in every version.
constexpr unsigned kFactoryRemotePassword = 1234;

class ImageWriter {
  public:
    explicit ImageWriter(CMemoryImage& image) : image_(image) {}

    void Bytes(std::int32_t pos, std::initializer_list<std::uint8_t> bytes) {
        for (const auto b : bytes) image_.WriteByte(pos++, b);
    }
    void Put(std::int32_t pos, const Record& record, bool hidden = false) {
        for (std::size_t i = 0; i < record.size(); ++i)
            image_.WriteByte(pos + static_cast<std::int32_t>(i), record[i]);
        if (hidden) image_.WriteBit(pos + 3, 4, true);
    }
    void Blanks(std::int32_t pos, std::int32_t count) { image_.FillBytes(pos, ' ', count); }
    // Memory channels, scan edges, call channel and spare records of one band.
    // A named record with a blank name.
    void PutNamed(std::int32_t pos, const Record& record, bool hidden = false) {
        Put(pos, record, hidden);
        Blanks(pos + at::kRecordSize, at::kNameSize);
    }
    void Band(std::int32_t base, const Record& record,
              std::pair<std::int32_t, std::int32_t> range) {
        for (int ch = 0; ch < at::kMemoryChannels; ++ch) {
            PutNamed(base + at::kNamedRecordSize * ch, record, ch > 0);
        }
        for (int edge = 0; edge < at::kScanEdges; ++edge) {
            const std::int32_t pos = base + at::kScanEdgeOffset + at::kRecordSize * edge;
            Put(pos, record, edge >= 2);
            EncodeFrequency(image_, pos, (edge % 2 == 0) ? range.first : range.second);
        }
        PutNamed(base + at::kCallOffset, record);
        for (int spare = 0; spare < at::kSpareRecords; ++spare) {
            Put(base + at::kSpareOffset + at::kRecordSize * spare, record, true);
        }
    }

  private:
    CMemoryImage& image_;
};

}  // namespace

CMemoryImage BuildFactoryImage(int version) {
    if (version < 0 || version >= kVersionCount) version = 0;
    const VersionRecords& records = kRecords[static_cast<std::size_t>(version)];
    CVersion versionInfo;
    versionInfo.SetNumber(version);

    CMemoryImage image(kImageSize);
    ImageWriter w(image);
    w.Band(at::kVhfBand, records.vhf, versionInfo.VhfRange());
    image.FillBytes(at::kBandGap, 0xFF, at::kUhfBand - at::kBandGap);
    w.Band(at::kUhfBand, records.uhf, versionInfo.UhfRange());
    w.Bytes(3700, {0x60, 0x7F, 0xDB, 0x72, 0x70, 0x7E, 0xFF, 0xFF, 0xFF});
    image.WriteBits(3709, 7, 12, kFactoryRemotePassword);
    for (int k = 0; k < at::kDtmfCount; ++k) {
        w.Bytes(at::kDtmfMemories + at::kRecordSize * k, {0, 0, 0, 0, 0, 0, 0, 0, 0x0A});
    }
    const std::array<Record, at::kVfoCount> vfos{kVfoAir, records.vhf, records.vfo300, records.uhf,
                                                 kVfo800};
    for (int k = 0; k < at::kVfoCount; ++k) {
        w.Put(at::kVfoRecords + at::kRecordSize * k, vfos[static_cast<std::size_t>(k)]);
    }
    w.Bytes(3885, {0xFF, 0xFF, 0xFF});
    w.Put(3888, records.vhf);
    w.Bytes(3897, {0xC1, 0x00, 0x50, 0x02, 0x00, 0x00, 0x60});
    w.Put(3904, records.uhf);
    w.Bytes(3913, {0xC3, 0x00, 0x50, 0x02, 0x00, 0x00, 0x60});
    const std::uint8_t autoRepeater = (version == 10 || version == 15) ? 0x01 : 0x00;
    w.Bytes(3920, {0x01, 0x00, autoRepeater, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
                   0x00, 0x00, 0x02,         0x06, 0x11, 0x10, 0x00, 0x0C, 0x10, 0x00});
    w.Bytes(3940, {0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF});
    w.Blanks(3952, 24);
    w.Bytes(3976, {0x10, 0x00, 0x20, 0x80, 0x06, 0x00, 0x20, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                   0xFF, 0xFF, 0xFF});
    w.Bytes(3992, {'2', '0', '4', '7', '0', '0', '0', '1'});
    return image;
}

}  // namespace ql
