#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

#include "datafile/IcfResult.h"
#include "model/CChannelTable.h"
#include "model/CCommonSettings.h"
#include "model/CDtmfMemories.h"
#include "model/CHealedChannels.h"
#include "model/CMemoryImage.h"
#include "model/CRigChange.h"
#include "model/CRigCheckpoint.h"
#include "model/CVersion.h"

namespace ql {

// The memory model: the working, default and reference images, the decoded channel,
// common-setting and DTMF objects, and the version. Dispatch is its only entry.
class C7400Rig {
  public:
    C7400Rig();
    C7400Rig(const C7400Rig&) = delete;
    C7400Rig& operator=(const C7400Rig&) = delete;

    // Offers a command to the core commands, channels, common settings, DTMF memories and
    // the version, in this order, until one answers.
    std::string Dispatch(std::string_view command);

    // "FILE.LOAD." from a stream or a text in memory instead of a file: on kOk the image
    // becomes authoritative and is rebuilt; otherwise nothing changes.
    [[nodiscard]] IcfResult LoadFrom(std::istream& in);
    [[nodiscard]] IcfResult LoadText(std::string_view text);
    // "FILE.SAVE." into memory: rebuilds and returns the data file's text.
    [[nodiscard]] std::string SaveText();
    // The whole state as it is now, and back to such a state without a rebuild.
    [[nodiscard]] CRigCheckpoint TakeCheckpoint() const;
    void RestoreCheckpoint(const CRigCheckpoint& checkpoint);
    // What a user's edit can change, as it is now; what changed since such a state; and the
    // values before (or after) a change put back. Putting back touches only the changed
    // channels and settings: the image follows at the next rebuild, as after any edit.
    [[nodiscard]] CRigState CaptureState() const;
    [[nodiscard]] CRigChange ChangeSince(const CRigState& before) const;
    void PutBack(const CRigChange& change, bool after);

    // The errno value behind the last "FILE" command's failure; 0 when it was not the file's.
    [[nodiscard]] int LastFileError() const { return lastFileError_; }

  private:
    std::string Core(std::string_view command, bool& taken);
    std::string EditFlag(std::string_view value);
    std::string Save(std::string_view left, bool withSafety);
    std::string Load(std::string_view left);
    IcfResult Adopt(IcfResult loaded);
    void ReactToVersion();
    void MarkAllUndecoded();
    void Rebuild(bool safety);
    void RebuildChanged();
    [[nodiscard]] CMemoryImage EncodedSettings() const;

    CVersion version_;
    CMemoryImage image_{4000};
    CMemoryImage reference_{4000};
    CMemoryImage default_{4000};
    CChannelTable channels_;
    std::unique_ptr<CCommonSettings> common_;
    CDtmfMemories dtmf_;
    CHealedChannels healed_;
    bool editFlag_ = false;
    int lastFileError_ = 0;
};

}  // namespace ql
