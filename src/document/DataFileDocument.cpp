#include "document/DataFileDocument.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include "base/DescriptorWaits.h"
#include "base/FileWriting.h"
#include "base/InputFile.h"
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

}  // namespace

DataFileResult OpenDataFile(CRadioData& radio, const std::filesystem::path& path) {
    // Never blocks on a FIFO, never throws on a directory or a failing device.
    CInputFile file(path);
    if (!file.IsOpen())
        return Failure("CANNOT_OPEN_FILE",
                       DescribeFailure(path.string(), file.Error()) + " (CANNOT_OPEN_FILE)");
    std::istream in(&file);
    std::string result = radio.ArchiveLoad(in);
    if (file.Error() != 0) {
        return Failure("CANNOT_OPEN_FILE", DescribeFailure(path.string(), file.Error()) +
                                               " (CANNOT_OPEN_FILE); nothing was changed");
    }
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
    if (const FileSaveResult saved = SaveFile(path, archive.str(), Durability::Flushed);
        !saved.Ok()) {
        // The data set still needs saving.
        radio.SetModified(true);
        return Failure("CANNOT_OPEN_FILE", Describe(path, saved.Cause() + " (CANNOT_OPEN_FILE)"));
    }
    return {true, "OK", {}};
}

}  // namespace ql
