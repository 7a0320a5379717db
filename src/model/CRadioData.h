#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "datafile/IcfResult.h"
#include "model/CIdentityRecord.h"

namespace ql {

class C7400Rig;
struct CRigChange;
struct CRigCheckpoint;
struct CRigState;

// The single owner of the transceiver's memory contents. Everything else talks to it
// through command texts (Command) and reads back result texts; the archive operations
// carry a data set in and out of a data file.
class CRadioData {
  public:
    CRadioData();
    CRadioData(const CRadioData&) = delete;
    CRadioData& operator=(const CRadioData&) = delete;
    virtual ~CRadioData();

    // A fresh data set for the current version, not modified.
    virtual void Reset();

    // Runs one command text and returns its result text ("" when no handler took it).
    // The command observer sees each text and its answer.
    virtual std::string Command(std::string_view text);

    // Called with every command text sent through Command and its answer, after the
    // command ran. The object's own bookkeeping (reset, modified state, identity, archive
    // load and store) does not pass through it; the clone file's load, heal and safety save
    // do, since they are what the clone commands send.
    using CommandObserver = std::function<void(std::string_view text, std::string_view answer)>;
    void SetCommandObserver(CommandObserver observer) { observer_ = std::move(observer); }

    // Archive load: reads the lines of a data file from archive. Returns "OK", or the
    // reader's result text, in which case the data set is unchanged. An archive that fails
    // while being read gives "CANNOT_OPEN_FILE".
    [[nodiscard]] virtual std::string ArchiveLoad(std::istream& archive);
    // Archive store: writes the data set as a data file (CR LF line ends). Returns "OK" or
    // the writer's result text ("CANNOT_OPEN_FILE" when the archive refuses the lines).
    virtual std::string ArchiveStore(std::ostream& archive);

    // The data set as the text of a data file, as "FILE.SAVE." would write it, and back as
    // "FILE.LOAD." reads it: a snapshot of the data set that never touches a disk.
    [[nodiscard]] std::string SaveText();
    [[nodiscard]] IcfResult LoadText(std::string_view text);

    // The whole data set held aside in memory, and put back without a rebuild: for a caller
    // that returns to one state many times. Only this object may take its checkpoint back.
    [[nodiscard]] std::unique_ptr<CRigCheckpoint> TakeCheckpoint() const;
    void RestoreCheckpoint(const CRigCheckpoint& checkpoint);

    // What a user's edit can change, held aside before it; what the edit changed; and that
    // change taken back (after = false) or made again (after = true). The edit flag is the
    // caller's to set afterwards.
    [[nodiscard]] std::unique_ptr<CRigState> CaptureState() const;
    [[nodiscard]] CRigChange ChangeSince(const CRigState& before) const;
    void PutBack(const CRigChange& change, bool after);

    [[nodiscard]] virtual bool IsModified();
    virtual void SetModified(bool modified);

    virtual int ApplyIdentity(const CIdentityRecord& record);
    [[nodiscard]] virtual std::string GetModelName() const;
    [[nodiscard]] virtual std::string GetModelComment() const;
    [[nodiscard]] const CIdentityRecord& GetIdentity() const { return identity_; }
    virtual int MatchIdentity(const CIdentityRecord& record, bool keep);
    virtual void InitIdentity();

    // Loads a data file written by a clone read (nothing happens when it cannot be opened).
    // The reader's result, with the errno value when the file itself failed.
    [[nodiscard]] IcfFileOutcome ImportFile(const std::filesystem::path& path);
    // Saves the data set with the safety rebuild, for a clone write (nothing happens when
    // the file cannot be created). The writer's result, with the errno value when the file
    // could not be created or written whole: only a kOk file may be sent.
    [[nodiscard]] IcfFileOutcome ExportFile(const std::filesystem::path& path);

    [[nodiscard]] const std::filesystem::path& TemporaryDataFile() const { return tempFile_; }

  protected:
    // Runs a command text without the observer: the object's own bookkeeping.
    std::string Internal(std::string_view text);

    CIdentityRecord identity_;

  private:
    std::unique_ptr<C7400Rig> rig_;
    std::filesystem::path tempFile_;
    CommandObserver observer_;
};

}  // namespace ql
