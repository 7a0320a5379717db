#include "document/DataFileDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/DescriptorWaits.h"
#include "base/FileWriting.h"
#include "base/SystemError.h"
#include "model/CRadioData.h"

namespace ql {

namespace {

DataFileResult Failure(std::string resultText, std::string message) {
    return {false, std::move(resultText), std::move(message)};
}

std::string Describe(const std::filesystem::path& path, std::string_view what) {
    std::string text = path.string();
    text += ": ";
    text += what;
    return text;
}

// The mode a new file gets: the old file's when it exists, else what the umask allows.
mode_t ModeFor(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes text to a new file beside path, flushed to the disk, then renames it over path.
int WriteReplacing(const std::filesystem::path& path, const std::string& text) {
    std::string pattern = path.string() + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return errno;
    const std::filesystem::path temporary(name.data());
    int error = WriteAll(fd, text);
    if (error == 0 && ::fchmod(fd, ModeFor(path)) != 0) error = errno;
    if (error == 0) error = SyncToDisk(fd);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

}  // namespace

DataFileResult OpenDataFile(CRadioData& radio, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Failure("CANNOT_OPEN_FILE",
                       DescribeFailure(path.string(), errno) + " (CANNOT_OPEN_FILE)");
    std::string result = radio.ArchiveLoad(in);
    if (result != "OK") {
        return Failure(
            result, Describe(path, "not a valid data file (" + result + "); nothing was changed"));
    }
    return {true, "OK", {}};
}

DataFileResult SaveDataFile(CRadioData& radio, const std::filesystem::path& path) {
    std::ostringstream archive;
    std::string result = radio.ArchiveStore(archive);
    if (result != "OK")
        return Failure(result,
                       Describe(path, "the data set could not be written (" + result + ")"));
    if (const int error = WriteReplacing(path, archive.str()); error != 0) {
        // The file on disk is as it was; the data set still needs saving.
        radio.SetModified(true);
        return Failure("CANNOT_OPEN_FILE",
                       DescribeFailure(path.string(), error) + " (CANNOT_OPEN_FILE)");
    }
    return {true, "OK", {}};
}

}  // namespace ql
