#include "clone/CloneFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "base/AsciiText.h"
#include "base/FileWriting.h"
#include "base/LineReader.h"
#include "base/SystemError.h"
#include "base/TempFile.h"
#include "datafile/IcfFile.h"

namespace ql {

namespace {
// One line, trimmed; false at the end of the file and for a line too long to be data.
bool ReadTrimmedLine(std::istream& in, std::string& line) {
    if (ReadBoundedLine(in, line, kIcfMaxLineLength) != LineStatus::Line) return false;
    line = std::string(TrimBlanks(line));
    return true;
}
}  // namespace

std::string NextBlockLine(std::istream& in) {
    std::string line;
    while (ReadTrimmedLine(in, line)) {
        if (!line.empty() && line.front() == '#') continue;
        if (line.size() > kMaxCloneLine) line.resize(kMaxCloneLine);
        return line;
    }
    return {};
}

unsigned CountCloneLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned count = 0;
    std::string line;
    while (in && ReadTrimmedLine(in, line) && !line.empty()) {
        if (line.front() != '#') ++count;
    }
    return count;
}

std::string CloneFileFailure(const std::filesystem::path& file, int error) {
    const std::filesystem::path directory =
        file.has_parent_path() ? file.parent_path() : TemporaryDirectory();
    if (error == 0) {
        // A directory that exists but is no directory, or that the user may not write.
        struct stat info {};
        const bool exists = ::stat(directory.c_str(), &info) == 0;
        if (exists && !S_ISDIR(info.st_mode)) {
            error = ENOTDIR;
        } else if (!exists || ::access(directory.c_str(), W_OK | X_OK) != 0) {
            error = errno;
        }
    }
    return DescribeFailure(
        "the clone file cannot be written in the temporary directory " + directory.string(), error);
}

int SaveCloneFile(const std::filesystem::path& file, std::string_view text) {
    if (file.empty()) return ENOENT;
    return SaveFile(file, text, Durability::Deferred).ErrorNumber();
}

CCloneFile::CCloneFile() : path_(CreateTemporaryFile("cl")) {
    if (path_.empty()) failure_ = CloneFileFailure({}, errno);
}

CCloneFile::~CCloneFile() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

}  // namespace ql
