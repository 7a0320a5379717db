#pragma once

// A clone link over an in-memory line whose other end a script plays, on the fake clock,
// identifying as model 0x2047 revision 1 and writing its clone file into a folder of its own.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "clone/CCloneLink.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {

class ScriptedLinkTest : public ::testing::Test {
  protected:
    ScriptedLinkTest() {
        auto made = std::make_unique<MemoryLine>(clock, peer);
        line = made.get();  // the link owns it
        link.emplace(std::move(made), clock, tones);
        link->SetModel(0x2047);
        link->SetRevision(1);
        link->SetFile(dir.File("clone.icf"));
    }
    [[nodiscard]] std::string CloneFile() const { return ReadFileBytes(dir.File("clone.icf")); }

    FakeClock clock;
    ScriptedPeer peer;
    RecordingTones tones;
    TempDir dir;
    MemoryLine* line = nullptr;
    std::optional<CCloneLink> link;
};

}  // namespace ql::test
