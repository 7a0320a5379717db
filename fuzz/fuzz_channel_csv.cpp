// Arbitrary bytes as a channel list (CSV, semicolon- or tab-separated text): the import plan
// must come back whole, never change the data set it asks, refuse rows only with lines of the
// text, and give commands that fill exactly the channels it names. The first byte picks the
// options (bands, re-basing, optional header), as the command-line tool and the window's
// File > Import CSV and Edit > Paste Text choose them.

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/DelimitedText.h"
#include "document/ChannelImport.h"
#include "model/C7400RadioData.h"
#include "support/CMemorySettingsStore.h"

namespace {

constexpr unsigned kUnchangedCheckEvery = 128;

struct Workspace {
    ql::CMemorySettingsStore settings;
    ql::C7400RadioData radio{settings};
    std::string baseline;
    unsigned inputs = 0;

    Workspace() {
        radio.Reset();
        baseline = radio.SaveText();
    }
};

Workspace& Space() {
    static Workspace space;
    return space;
}

ql::ChannelImportOptions OptionsOf(std::uint8_t byte) {
    ql::ChannelImportOptions options;
    options.bands = static_cast<ql::BandChoice>(byte % 3);
    if ((byte & 0x04U) != 0) options.firstChannel = 1U + (byte >> 4) * 7U;
    options.headerOptional = (byte & 0x08U) != 0;
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const ql::ChannelImportOptions options = OptionsOf(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    Workspace& space = Space();

    const ql::ChannelImportPlan plan = ql::PlanChannelImport(
        text, [&space](std::string_view command) { return space.radio.Command(command); }, options);
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) +
                              1;
    if (!plan.Ok()) {
        if (!plan.commands.empty() || !plan.refused.empty() || !plan.channels.empty()) ::abort();
        if (plan.error.find('\n') != std::string::npos) ::abort();
    }
    for (const ql::RefusedRow& row : plan.refused) {
        if (row.line == 0 || row.line > lines) ::abort();
        if (row.Text().find_first_of("\r\n") != std::string::npos) ::abort();
    }
    // Each channel is filled by its own assignments, ending in its HEAL; none twice.
    constexpr std::size_t kCommandsPerChannel = 12;
    if (plan.commands.size() != plan.channels.size() * kCommandsPerChannel) ::abort();
    for (std::size_t i = 0; i < plan.channels.size(); ++i) {
        const ql::ChannelRef& ref = plan.channels[i];
        if (ref.channel < ql::kFirstFileChannel || ref.channel > ql::kLastFileChannel) ::abort();
        if (!ql::Covers(options.bands, ref.band)) ::abort();
        if (std::find(plan.channels.begin(), plan.channels.begin() + static_cast<std::ptrdiff_t>(i),
                      ref) != plan.channels.begin() + static_cast<std::ptrdiff_t>(i)) {
            ::abort();
        }
        const std::string prefix = ql::ChannelPath(ref.band, ref.channel);
        if (plan.commands[(i + 1) * kCommandsPerChannel - 1] != prefix + "HEAL") ::abort();
    }
    // Planning only asks; every so often a full save proves that nothing changed.
    if (++space.inputs % kUnchangedCheckEvery == 0 && space.radio.SaveText() != space.baseline) {
        ::abort();
    }
    return 0;
}
