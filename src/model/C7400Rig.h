#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "model/CChannelTable.h"
#include "model/CCommonSettings.h"
#include "model/CDtmfMemories.h"
#include "model/CMemoryImage.h"
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

  private:
    std::string Core(std::string_view command, bool& taken);
    std::string EditFlag(std::string_view value);
    std::string Save(std::string_view left, bool withSafety);
    std::string Load(std::string_view left);
    void ReactToVersion();
    void MarkAllUndecoded();
    void Rebuild(bool safety);

    CVersion version_;
    CMemoryImage image_{4000};
    CMemoryImage reference_{4000};
    CMemoryImage default_{4000};
    CChannelTable channels_;
    std::unique_ptr<CCommonSettings> common_;
    CDtmfMemories dtmf_;
    bool editFlag_ = false;
};

}  // namespace ql
