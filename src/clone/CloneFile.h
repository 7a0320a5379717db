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

// White space as the clone file knows it, whatever the locale.
[[nodiscard]] std::string_view TrimBlanks(std::string_view text);

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

  private:
    std::filesystem::path path_;
};

}  // namespace ql
