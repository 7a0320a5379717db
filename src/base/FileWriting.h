#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ql {

// Writes all of data to fd, going on after partial writes. Returns 0 or an errno value.
[[nodiscard]] int WriteAll(int fd, std::string_view data);

enum class SaveFailure {
    None,
    NotRegularFile,  // the path names a directory, a FIFO, a device or another special file
    System,          // a system call failed; the errno value tells why
};

struct [[nodiscard]] FileSaveResult {
    SaveFailure failure = SaveFailure::None;
    int error = 0;  // the errno value of a System failure

    [[nodiscard]] bool Ok() const { return failure == SaveFailure::None; }
    // 0 on success, else the errno value (EINVAL when the path names no regular file).
    [[nodiscard]] int ErrorNumber() const;
    // What a user reads after the file name, for example "not a regular file".
    [[nodiscard]] std::string Cause() const;
};

// How far a save goes before it returns. Both replace the file atomically, so another program
// sees the old file or the new one whole, never a mix.
enum class Durability {
    // The new file and then its name are flushed to the disk before the save returns, so a
    // crash afterwards keeps it: the saves that the user asks for.
    Flushed,
    // The system writes the file out in its own time, so a crash within half a minute may
    // leave the old file or an empty one; in a fraction of the time, since a flush costs
    // milliseconds. For the intermediate files that the data file commands write.
    Deferred,
};

// The one way every data file is saved. Saving replaces the file that path names: a symbolic
// link is followed to the file it names (the link stays), and anything that is not a regular
// file is refused. text goes into a new file beside it under a short hidden name (so any
// name the folder takes still saves) that then takes the old file's place. A file the user
// may not write is left alone. The new file keeps the old one's mode and, where the user may,
// its owner and group; a new file gets 0666 less the umask. A failed save leaves no temporary
// file behind and the old file as it was.
FileSaveResult SaveFile(const std::filesystem::path& path, std::string_view text,
                        Durability durability);

}  // namespace ql
