#pragma once

#include <filesystem>
#include <string>

namespace ql {

class CRadioData;

// What the document's Open and Save do with a data file, without a window.
struct DataFileResult {
    bool ok = false;
    std::string resultText;  // the reader's or writer's result text, "OK" on success
    std::string message;     // one line naming the file and the cause; empty on success
};

// Opens path into radio through its archive load; a failed open leaves radio unchanged.
[[nodiscard]] DataFileResult OpenDataFile(CRadioData& radio, const std::filesystem::path& path);

// Saves radio to path through its archive store, replacing the file that path names as
// SaveFile does (through links; special files and write-protected files are refused), so a
// failed save never damages an existing file.
[[nodiscard]] DataFileResult SaveDataFile(CRadioData& radio, const std::filesystem::path& path);

}  // namespace ql
