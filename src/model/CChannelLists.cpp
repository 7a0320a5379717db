#include "model/CChannelLists.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace ql {

namespace {
void Fill(CCodedValueList& list,
          std::initializer_list<std::pair<std::string_view, std::uint16_t>> entries) {
    list.SetCount(static_cast<std::int32_t>(entries.size()));
    std::int32_t p = 0;
    for (const auto& [text, code] : entries) list.SetEntry(p++, std::string(text), code);
}

constexpr std::array<std::string_view, 50> kToneTexts = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
}  // namespace

CChannelLists::CChannelLists() {
    Fill(reference, {{"5k", 0}, {"6.25k", 1}});
    Fill(appear, {{"OFF", 1}, {"ON", 0}});
    Fill(skip, {{"OFF", 0}, {"SKIP", 1}, {"PROGRAM_SKIP", 3}});
    Fill(mode, {{"FM", 0}, {"AM", 1}, {"FM Narrow", 2}});
    Fill(duplex, {{"OFF", 0}, {"Dup+", 2}, {"Dup-", 3}});
    Fill(toneMode, {{"OFF", 0}, {"TONE", 1}, {"TSQL", 3}});
    Fill(tuningStep, {{"5k", 0},
                      {"10k", 1},
                      {"12.5k", 2},
                      {"15k", 3},
                      {"20k", 4},
                      {"25k", 5},
                      {"30k", 6},
                      {"50k", 7}});
    tones.SetRange(0, 49);
    for (std::int32_t n = 0; n < 50; ++n)
        tones.SetText(n, std::string(kToneTexts[static_cast<std::size_t>(n)]));
}

}  // namespace ql
