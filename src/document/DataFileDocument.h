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
DataFileResult OpenDataFile(CRadioData& radio, const std::filesystem::path& path);

// Saves radio to path through its archive store. The file is written beside path and
// renamed over it only when complete, so a failed save never damages an existing file.
DataFileResult SaveDataFile(CRadioData& radio, const std::filesystem::path& path);

}  // namespace ql
