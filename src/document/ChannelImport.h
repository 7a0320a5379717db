#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ChannelColumns.h"
#include "document/ChannelExport.h"

namespace ql {

struct ChannelImportOptions {
    // The lists the rows go into. With both, each row goes into the band its frequency
    // belongs to, as a file exported with both bands holds them; with one band, a frequency
    // outside it refuses the row.
    BandChoice bands = BandChoice::kBoth;
    // Re-based: the first row goes to this channel and each further row of its band to the
    // next one, whatever the Location column says. A refused row keeps its place, so the
    // rows after it land where they would have.
    std::optional<unsigned> firstChannel;
    // Text from the clipboard: the first row is the header line only when it names the
    // Frequency column; otherwise every row is a channel in the exported column order.
    bool headerOptional = false;
};

// A row that was not imported: the text's line number (from 1), the column, its value and
// why. Text() is "line 7: Duplex: split: the radio has no split duplex".
struct RefusedRow {
    std::size_t line = 0;
    std::string column;
    std::string value;
    std::string reason;

    [[nodiscard]] std::string Text() const;
};

// What an import of a channel text would do, worked out before anything changes.
struct ChannelImportPlan {
    // Set when the text as a whole cannot be read (no text, no header, no Frequency column);
    // commands and refused are then empty.
    std::string error;
    // The assignments that fill the channels, in order, each channel's ending in its "HEAL":
    // the same items Edit Memory's OK assigns, so the channels heal as if typed there. To be
    // applied as one step.
    std::vector<std::string> commands;
    // The channels the commands fill, one per imported row, in the text's order.
    std::vector<ChannelRef> channels;
    std::vector<RefusedRow> refused;

    [[nodiscard]] bool Ok() const { return error.empty(); }
};

// The most rows a channel text may have; a longer text is no channel list.
inline constexpr std::size_t kMaxImportRows = 100000;

// Reads a channel text (CSV with comma or semicolon, or tab-separated; see CDelimitedReader)
// in the channel layout: columns found by their header name in any letter case and order,
// unknown ones ignored, missing ones (and empty values) taking the blank channel's values.
// Only queries go through query: the version, and whether each frequency is legal on its
// channel ("ISLEGAL.CHECK="). Refuses, each with its reason, a row whose Location is not 1-99
// or names a channel an earlier row took, whose frequency is no number or outside the band,
// whose duplex, tone mode, tone, mode, step or skip the radio lacks, whose offset exceeds what
// the radio holds, or whose name the radio cannot show.
[[nodiscard]] ChannelImportPlan PlanChannelImport(std::string_view text, const CommandQuery& query,
                                                  const ChannelImportOptions& options = {});

}  // namespace ql
