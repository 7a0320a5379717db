#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/CChannel.h"
#include "model/CMemoryImage.h"

namespace ql {

// What a user's edit can change in the memory model, held aside before the edit: every
// channel, and the common settings and DTMF memories as they encode (no two of them share an
// image byte, so one scratch image holds both).
struct CRigState {
    std::vector<CChannel> channels;
    CMemoryImage settings;
};

// What one edit changed: the channels that differ, and the bytes of the settings' encoding
// that differ, each with its value before and after. It is all an undo history needs to keep
// of a step; a step that changed one channel costs two channels.
struct CRigChange {
    struct Channel {
        std::size_t position = 0;  // in the channel table
        CChannel before;
        CChannel after;
    };
    struct Byte {
        std::int32_t position = 0;  // in the settings' encoding
        std::uint8_t before = 0;
        std::uint8_t after = 0;
    };
    std::vector<Channel> channels;
    std::vector<Byte> settings;

    [[nodiscard]] bool Empty() const { return channels.empty() && settings.empty(); }
    // The heap and object bytes the change holds, for keeping a history's cost in view.
    [[nodiscard]] std::size_t Footprint() const;
};

}  // namespace ql
