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
    // What a user reads after the file name, for example "not a regular file".
    [[nodiscard]] std::string Cause() const;
};

// How far a save goes before it returns. Both replace the file atomically: a reader or a
// crash sees the old file or the new one whole, never a mix (with the flush the file systems
// of Linux do for a file renamed over another).
enum class Durability {
    Flushed,   // the new file and its name are on the disk: a save the user asked for
    Deferred,  // the system writes it out in its own time: intermediate files, in a fraction
               // of the time (a flush to the disk costs milliseconds)
};

// The one way every data file is saved. Saving replaces the file that path names: a symbolic
// link is followed to the file it names (the link stays), and anything that is not a regular
// file is refused. text goes into a new file beside it under a short hidden name, is flushed
// to the disk (with Durability::Flushed) and renamed over the old file, and the folder is
// flushed, so the file is either the old one or the new one whole, even after a crash. A file the
// user may not write is left alone. The new file keeps the old one's mode and, where the user may,
// its owner and group; a new file gets 0666 less the umask. A failed save leaves no temporary file
// behind and the old file as it was.
FileSaveResult SaveFile(const std::filesystem::path& path, std::string_view text,
                        Durability durability);

}  // namespace ql
