#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace ql {

// The clone file is a data file (header, "#" comment lines, one line per data block) with
// the platform's text line end of data files.
inline constexpr std::string_view kCloneLineEnd = "\r\n";
// No clone line can be sent longer than this.
inline constexpr std::size_t kMaxCloneLine = 255;

// The next line of a write: comment lines are skipped, white space is trimmed from both
// ends, at most kMaxCloneLine characters are kept. The end of the file, a line too long
// for any data file and an empty line all read as the empty text, which ends the data.
[[nodiscard]] std::string NextBlockLine(std::istream& in);

// The lines of the clone file up to its first empty line, comment lines not counted (the
// header is); 0 when the file cannot be read.
[[nodiscard]] unsigned CountCloneLines(const std::filesystem::path& path);

// One line naming the temporary directory of the clone file (file's folder, or the system
// temporary directory when no file could be made) and the cause, for a clone file that
// could not be made or written whole. An error of 0 asks the directory itself for a cause.
[[nodiscard]] std::string CloneFileFailure(const std::filesystem::path& file, int error);

// Writes text as the whole clone file, checking every write and the close. 0 or an errno
// value; a file that failed must not be loaded.
[[nodiscard]] int SaveCloneFile(const std::filesystem::path& file, std::string_view text);

// The clone file of a document: a new file with an unguessable name (mkstemp, prefix
// "cl") in the temporary directory, made at construction and deleted at destruction.
class CCloneFile {
  public:
    CCloneFile();
    ~CCloneFile();
    CCloneFile(const CCloneFile&) = delete;
    CCloneFile& operator=(const CCloneFile&) = delete;

    // Empty when the file could not be made.
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    // Why the file could not be made, naming the temporary directory; empty when it was.
    [[nodiscard]] const std::string& Failure() const { return failure_; }

  private:
    std::filesystem::path path_;
    std::string failure_;
};

}  // namespace ql
