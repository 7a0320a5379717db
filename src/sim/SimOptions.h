#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ql::sim {

// The one failure a simulated transceiver can be told to show.
enum class FaultKind {
    kNone,
    kBadChecksum,  // the N-th data block of a read carries a wrong checksum; in a write,
                   // the N-th block heard counts as damaged
    kSilentAfter,  // no frame of its own after N data blocks
    kEndAfter,     // a read ends with the end frame after N data blocks
    kNoAnswer,     // echoes, but never answers
    kNoEcho,       // answers, but the computer never hears its own bytes
    kNoise,        // junk bytes between frames
    kResult,       // answers V to a write
    kModel,        // identifies with model code V
    kRevision,     // identifies with revision V
};

struct SimFault {
    FaultKind kind = FaultKind::kNone;
    unsigned value = 0;
};

struct SimOptions {
    std::string link;
    std::string image;  // an .icf file; the factory image of country when empty
    unsigned country = 0;
    unsigned expand = 0;
    std::string comment = "RZ-7400 SIM";
    unsigned blockSize = 36;  // 4000 bytes in 112 blocks
    bool pace = false;
    std::string written;
    SimFault fault;
    bool once = false;
    bool help = false;  // --help: print the usage and do nothing else
};

// Blocks larger than this would not fit a frame of 255 bytes.
inline constexpr unsigned kMaxBlockSize = 122;

// The options of the command line (without the program name); empty with a message in
// error when they are wrong. --country takes a version number (0-15) or name ("EUR-B").
std::optional<SimOptions> ParseSimOptions(std::span<const std::string_view> args,
                                          std::string& error);

// The usage text, with the version numbers and names that --country takes.
[[nodiscard]] std::string SimUsage();

}  // namespace ql::sim
