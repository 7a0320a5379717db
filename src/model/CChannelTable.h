#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/CChannel.h"
#include "model/CChannelLists.h"

namespace ql {

class CVersion;

// The 217 channel objects in table order, the shared value lists, the channel clipboard
// and the "CH." commands.
class CChannelTable {
  public:
    CChannelTable();

    // "CH." commands. A command whose channel cannot be resolved answers "".
    // "ISLEGAL.CHECK=<MHz>" changes nothing: it answers "OK" or "NG" for the channel as it
    // would be with that frequency text assigned, in use and healed.
    // "KEEPS.CHECK=<item>=<value>[<TAB><item>=<value>...]" changes nothing either: it answers
    // "OK" when the channel, with those items assigned and then healed, still holds every
    // assigned value (a mode its frequency allows, a tuning step on its raster, a skip on a
    // memory channel, an offset within the limit), else "NG"; an unknown item is never kept.
    std::string Handle(std::string_view command, const CVersion& version);

    [[nodiscard]] CChannel& At(int tablePosition) {
        return channels_[static_cast<std::size_t>(tablePosition)];
    }
    [[nodiscard]] std::vector<CChannel>& Channels() { return channels_; }
    [[nodiscard]] const std::vector<CChannel>& Channels() const { return channels_; }

    // The channels and the clipboard as values, and back (into the table that gave them).
    struct Contents {
        std::vector<CChannel> channels;
        bool clipboardFilled = false;
        CChannel clipboard;
    };
    [[nodiscard]] Contents Save() const { return {channels_, clipboardFilled_, clipboard_}; }
    void Restore(const Contents& contents);

    // Resolves the channel part of a "CH." command: the channel and the text after it.
    [[nodiscard]] CChannel* Resolve(std::string_view command, std::string_view& rest);

  private:
    [[nodiscard]] static bool WouldBeLegal(const CChannel& current, std::string_view frequency,
                                           const CVersion& version);
    [[nodiscard]] static bool WouldKeep(const CChannel& current, std::string_view assignments,
                                        const CVersion& version);
    std::string Operate(CChannel& current, std::string_view verb, bool check,
                        const CVersion& version);
    std::string Paste(CChannel& current, bool check, const CVersion& version);
    std::string Insert(CChannel& current, bool check, const CVersion& version);
    std::string Delete(CChannel& current, bool check, const CVersion& version);

    // Heap-held so the channels' references to them stay valid.
    std::unique_ptr<CChannelLists> lists_;
    std::vector<CChannel> channels_;
    bool clipboardFilled_ = false;  // the clipboard's type is "MEMORY_CH"
    CChannel clipboard_;
};

}  // namespace ql
