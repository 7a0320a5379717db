#pragma once

// What a clone exchange costs on a 9600 baud 8-N-1 line, for the benchmarks that compare an
// exchange with the time the line itself takes.

#include <time.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/LineReader.h"

namespace ql::bench {

inline constexpr double kSecondsPerByte = 10.0 / 9600.0;
// Frame bytes around a data line: FE FE, addresses, command, checksum, FD.
inline constexpr std::size_t kBlockFrameOverhead = 8;
inline constexpr std::size_t kRequestFrame = 10;
inline constexpr std::size_t kEndFrame = 15;
inline constexpr std::size_t kResultFrame = 7;

// The processor time this process has used, in seconds.
inline double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The data frames a clone file's lines make on the line.
inline std::size_t DataFrameBytes(const std::filesystem::path& cloneFile) {
    std::ifstream in(cloneFile, std::ios::binary);
    std::string line;
    std::size_t bytes = 0;
    while (ReadBoundedLine(in, line, 1024) == LineStatus::Line) {
        if (line.size() > 8 && line.front() != '#') bytes += line.size() + kBlockFrameOverhead;
    }
    return bytes;
}

}  // namespace ql::bench
