#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ql {

class CCloneLink;
class CCloneUi;
class CRadioData;

// The three clone commands of the document without its windows: Clone in, Clone out and
// Clone info., each with its identification, version check, acoustic signal and report.
class CCloneOperations {
  public:
    // Version check results, beside the link's result codes.
    static constexpr int kModelMismatch = 85;
    static constexpr int kVersionMismatch = 90;

    CCloneOperations(CRadioData& radio, CCloneLink& link, std::filesystem::path cloneFile,
                     CCloneUi& ui);

    // Reads the transceiver into the data set. Empty when the user declined the question
    // asked for a modified document; otherwise the result code.
    std::optional<int> CloneIn(bool documentModified);
    // Writes the data set into the transceiver. Empty when the user declined.
    std::optional<int> CloneOut();
    // Shows the transceiver's identification; the result code.
    int CloneInformation();

    // 0 when the identification last read matches the data set's identity record in
    // model code, revision, version and expansion; else 85 or 90.
    [[nodiscard]] int CheckVersion() const;
    // Reads the identification and checks it against the own record: 0, 85, 90 or the
    // exchange's failure.
    int Identify();

  private:
    enum class Command { kIn, kOut, kInformation };

    // Loads the clone file of a completed read; false when the data set refused it, which
    // then is as it was.
    bool LoadCloneFile();
    void AdoptModel();
    void Report(Command command, int result);

    CRadioData& radio_;
    CCloneLink& link_;
    std::filesystem::path cloneFile_;
    CCloneUi& ui_;
    std::string fileFailure_;  // why the last command's clone file failed, if it did
};

}  // namespace ql
