// Arbitrary command texts, one per line, to a radio data object that holds a full data set.
// File commands are kept, but their path always points into a private temporary folder.
// Between inputs the data set goes back to a checkpoint in memory and the scratch file is
// removed; every so often the restored data set is proved equal to the full data set through
// a save.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "model/C7400RadioData.h"
#include "model/CRigCheckpoint.h"
#include "model/ChannelPath.h"
#include "model/TextOps.h"
#include "support/CMemorySettingsStore.h"
#include "support/FullDataSet.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxCommands = 64;
constexpr std::size_t kMaxCommandLength = 4096;
// Commands that rebuild the whole data set (load, save, initialize or change the version) cost
// as much as a thousand others; past this many in one input the rest of them are skipped, so
// that one input cannot cost hundreds of whole rebuilds.
constexpr int kMaxRebuilds = 2;
// Every this many restores, a save proves the data set back at the full data set.
constexpr unsigned kRestoreCheckEvery = 64;
// Every this many changing inputs, the closing edit flag query and a rebuild of the changed
// channels proved against a whole rebuild.
constexpr unsigned kFinalCheckEvery = 16;

struct Workspace {
    fs::path dir;
    fs::path scratch;  // where the input's own file commands go
    std::string full;  // the full data set every input starts from, as a data file
    ql::CMemorySettingsStore settings;
    ql::C7400RadioData radio{settings};
    std::unique_ptr<ql::CRigCheckpoint> checkpoint;  // the same, as a memory model state
    bool dirty = false;                              // the last input may have changed the data set
    unsigned restores = 0;
    unsigned changed = 0;  // inputs that may have changed the data set

    Workspace() {
        dir = MakeFolder();
        scratch = dir / "scratch.icf";
        radio.Reset();
        ql::test::FillAllMemoryChannels(radio);
        radio.Command("DTMF.0=0123456789ABCDEF");
        full = radio.SaveText();
        checkpoint = radio.TakeCheckpoint();
    }
    ~Workspace() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // The file commands create and rename files all the time; in a memory file system that
    // costs a fraction of what a disk's file system spends on each new file.
    static fs::path MakeFolder() {
        for (const fs::path& base : {fs::path("/dev/shm"), fs::temp_directory_path()}) {
            std::string pattern = (base / "ql-fuzz-cmd-XXXXXX").string();
            if (::mkdtemp(pattern.data()) != nullptr) return pattern;
        }
        ::abort();
    }

    static std::string Quoted(std::string_view prefix, const fs::path& path) {
        return std::string(prefix) + '"' + path.string() + '"';
    }

    // Back to version 0 and the full data set, with the edit flag, reference image and
    // clipboard as they were, from memory.
    void Restore() {
        // A file an earlier input saved must not reach a later one's load: each input runs
        // the same whatever ran before it, so that a crash can be replayed alone.
        std::error_code ignored;
        fs::remove(scratch, ignored);
        radio.RestoreCheckpoint(*checkpoint);
        if (++restores % kRestoreCheckEvery == 0 && radio.SaveText() != full) ::abort();
        radio.RestoreCheckpoint(*checkpoint);  // the save rebuilt; start from the same state
    }
};

Workspace& Space() {
    static Workspace space;  // removes its folder when the run ends
    return space;
}

// A "FILE" command keeps its words up to the first double quote; the path is replaced.
std::string Confine(std::string_view command, const fs::path& scratch) {
    if (!ql::EqualsNoCase(ql::Field(ql::Field(command, '=', 0), '.', 0), "FILE")) {
        return std::string(command);
    }
    std::string text(command.substr(0, command.find('"')));
    std::erase(text, '/');
    std::erase(text, '\\');
    return Workspace::Quoted(text, scratch);
}

// True for the commands that load, save, initialize or may change the version. A heal (and
// the edit flag's) rebuilds only the channels changed since the last rebuild.
bool Rebuilds(std::string_view command) {
    const std::string_view area = ql::Field(ql::Field(command, '=', 0), '.', 0);
    for (const std::string_view heavy : {"INITIALIZE", "FILE"}) {
        if (ql::EqualsNoCase(area, heavy)) return true;
    }
    return ql::EqualsNoCase(area, "MODEL") && command.find('=') != std::string_view::npos;
}

// False only for a query of the channels, common settings, DTMF memories or version: those
// leave the data set as it was. Anything else (an assignment, a core or unknown command) may
// change it.
bool MayChange(std::string_view command) {
    if (command.find('=') != std::string_view::npos) return true;
    const std::string_view area = ql::Field(command, '.', 0);
    for (const std::string_view query : {"CH", "COMMON", "DTMF", "MODEL"}) {
        if (ql::EqualsNoCase(area, query)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Workspace& space = Space();
    // Only an input that may have changed the data set costs a restore; queries leave it
    // as it was.
    if (space.dirty) space.Restore();
    space.dirty = false;
    int rebuilds = 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int count = 0; count < kMaxCommands && start <= input.size(); ++count) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, std::min(end - start, kMaxCommandLength));
        start = end + 1;
        std::string command(line);
        if (!line.empty() && line[0] == '@') {
            // "@N.ITEM": the list view's way, through the channel path of row N; bit 16 of
            // N selects the band.
            const auto n = static_cast<unsigned>(ql::ScanDecimal(line.substr(1)).value_or(0));
            const auto band = static_cast<ql::Band>((n >> 16) & 1);
            command = ql::ChannelPath(band, n & 0xFFFF) + std::string(ql::Tail(line, '.', 1));
        }
        // Confined last, so that no way of building a command reaches a file outside.
        command = Confine(command, space.scratch);
        if (Rebuilds(command) && ++rebuilds > kMaxRebuilds) continue;
        if (MayChange(command)) space.dirty = true;
        const std::string result = space.radio.Command(command);
        if (result.size() > 1u << 16) ::abort();  // answers are short texts
    }
    if (!space.dirty || ++space.changed % kFinalCheckEvery != 0) return 0;
    // The object must still answer sensibly after whatever came. A rebuild heals and writes
    // only the channels changed since the last one; it must give what a whole rebuild gives.
    const std::unique_ptr<ql::CRigCheckpoint> before = space.radio.TakeCheckpoint();
    const std::string flag = space.radio.Command("EDIT_FLAG");
    if (flag != "ON" && flag != "OFF") ::abort();
    const std::string rebuilt = space.radio.SaveText();
    before->healed.Forget();
    space.radio.RestoreCheckpoint(*before);
    if (space.radio.SaveText() != rebuilt) ::abort();
    return 0;
}
