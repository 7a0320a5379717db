#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "clone/CloneResult.h"

namespace ql {

class CCloneLink;
class CCloneUi;
class CRadioData;

// The three clone commands of the document without its windows: Clone in, Clone out and
// Clone info., each with its identification, version check, acoustic signal and report.
class CCloneOperations {
  public:
    CCloneOperations(CRadioData& radio, CCloneLink& link, std::filesystem::path cloneFile,
                     CCloneUi& ui);

    // Reads the transceiver into the data set. Empty when the user declined the question
    // asked for a modified document; otherwise the result code.
    [[nodiscard]] std::optional<CloneResult> CloneIn(bool documentModified);
    // Writes the data set into the transceiver. Empty when the user declined.
    [[nodiscard]] std::optional<CloneResult> CloneOut();
    // Shows the transceiver's identification; the result code.
    [[nodiscard]] CloneResult CloneInformation();

    // Completed when the identification last read matches the data set's identity record
    // in model code, revision, version and expansion; else a model or version mismatch.
    [[nodiscard]] CloneResult CheckVersion() const;
    // Reads the identification and checks it against the own record: completed, a
    // mismatch or the exchange's failure.
    [[nodiscard]] CloneResult Identify();

  private:
    enum class Command { kIn, kOut, kInformation };

    // Loads the clone file of a completed read; false when the data set refused it, which
    // then is as it was.
    bool LoadCloneFile();
    void AdoptModel();
    void Report(Command command, CloneResult result);

    CRadioData& radio_;
    CCloneLink& link_;
    std::filesystem::path cloneFile_;
    CCloneUi& ui_;
    std::string fileFailure_;  // why the last command's clone file failed, if it did
};

}  // namespace ql
