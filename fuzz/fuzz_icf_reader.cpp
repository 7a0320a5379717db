// Arbitrary bytes as a data file: the reader must answer one of its result texts, and a
// failed read must leave the image (and a radio data object's data set) exactly as before.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "datafile/IcfFile.h"
#include "model/C7400RadioData.h"
#include "model/FactoryImage.h"
#include "support/CMemorySettingsStore.h"

namespace {

namespace fs = std::filesystem;

struct Workspace {
    fs::path dir;
    fs::path input;
    fs::path baseline;  // what the radio saved after its last successful load
    fs::path check;
    ql::CMemorySettingsStore settings;
    ql::C7400RadioData radio{settings};

    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "ql-fuzz-icf-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ::abort();
        dir = pattern;
        input = dir / "input.icf";
        baseline = dir / "baseline.icf";
        check = dir / "check.icf";
        radio.Reset();
        Save(baseline);
    }
    ~Workspace() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    void Save(const fs::path& path) {
        if (radio.Command("FILE.SAVE.\"" + path.string() + "\"") != "OK") ::abort();
    }
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Workspace& Space() {
    static Workspace space;  // removes its folder when the run ends
    return space;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::set<std::string> kResults{"OK",
                                                "CANNOT_OPEN_FILE",
                                                "FORMAT_ERROR",
                                                "MISMATCH_MODEL",
                                                "MISMATCH_REVISION",
                                                "DATA_OVERFLOW",
                                                "NOT_ENOUGH_DATA"};
    Workspace& space = Space();
    {
        std::ofstream out(space.input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    static const ql::CMemoryImage factory = ql::BuildFactoryImage(4);
    ql::CMemoryImage image = factory;
    const std::string result = ql::ReadIcf(space.input, image.MutableBytes());
    if (kResults.count(result) == 0) ::abort();
    if (result != "OK" && image != factory) ::abort();

    const std::string loaded = space.radio.Command("FILE.LOAD.\"" + space.input.string() + "\"");
    if (loaded != result) ::abort();
    if (loaded == "OK") {
        space.Save(space.baseline);
    } else {
        space.Save(space.check);
        if (ReadAll(space.check) != ReadAll(space.baseline)) ::abort();
    }
    return 0;
}
