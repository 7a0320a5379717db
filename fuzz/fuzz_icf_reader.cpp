// Arbitrary bytes as a data file: the reader must answer one of its results, read a text in
// memory and a stream alike, and a failed read must leave the image (and a radio data
// object's data set) exactly as before. Everything stays in memory.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "datafile/IcfFile.h"
#include "model/C7400RadioData.h"
#include "model/FactoryImage.h"
#include "support/CMemorySettingsStore.h"

namespace {

constexpr std::size_t kStreamCheckSize = 2048;
constexpr unsigned kFailureCheckEvery = 256;

struct Workspace {
    ql::CMemorySettingsStore settings;
    ql::C7400RadioData radio{settings};
    std::string baseline;  // the data set as a data file; empty after a load changed it
    unsigned failures = 0;

    Workspace() { radio.Reset(); }
};

Workspace& Space() {
    static Workspace space;
    return space;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Workspace& space = Space();

    static const ql::CMemoryImage factory = ql::BuildFactoryImage(4);
    ql::CMemoryImage image = factory;
    const ql::IcfResult result = ql::ReadIcfText(input, image.MutableBytes());
    if (result == ql::IcfResult::kCannotOpenFile || result == ql::IcfResult::kError) ::abort();
    if (result != ql::IcfResult::kOk && image != factory) ::abort();

    // The stream entry reads alike; checked on short inputs, where it costs little.
    if (size <= kStreamCheckSize) {
        std::istringstream stream{std::string(input)};
        ql::CMemoryImage streamed = factory;
        if (ql::ReadIcf(stream, streamed.MutableBytes()) != result || streamed != image) ::abort();
    }

    // The data set takes what the reader takes. A failed load reads into a copy and so
    // cannot touch the data set; every so often a failing input proves it through a full
    // save before and after (the save is what costs, so it is not done for every input).
    if (result == ql::IcfResult::kOk) {
        if (space.radio.LoadText(input) != ql::IcfResult::kOk) ::abort();
        space.baseline.clear();
    } else if (++space.failures % kFailureCheckEvery == 0) {
        if (space.baseline.empty()) space.baseline = space.radio.SaveText();
        if (space.radio.LoadText(input) != result) ::abort();
        if (space.radio.SaveText() != space.baseline) ::abort();
    }
    return 0;
}
