#pragma once

#include <memory>

#include "clone/CClock.h"
#include "clone/CCloneLink.h"
#include "clone/CloneFile.h"
#include "document/CCloneOperations.h"

namespace ql {

class CCloneUi;
class CRadioData;
class CSerialLine;
class CTonePlayer;

// The computer's end of the clone cable, wired the same way for the window program and the
// command-line tool: the monotonic clock, the clone link over a serial line with its result
// tones and the count of data blocks a transceiver sends, and the clone file that a read
// lands in before it is taken.
class CCloneStation {
  public:
    // The RZ-7400 sends its memory in 112 data blocks.
    static constexpr unsigned kExpectedBlocks = 112;

    CCloneStation(std::unique_ptr<CSerialLine> line, CTonePlayer& tones);
    CCloneStation(const CCloneStation&) = delete;
    CCloneStation& operator=(const CCloneStation&) = delete;

    [[nodiscard]] CCloneLink& Link() { return link_; }
    [[nodiscard]] const CCloneFile& File() const { return file_; }

    // The clone commands for radio on this station, their boxes and progress shown by ui.
    [[nodiscard]] CCloneOperations Operations(CRadioData& radio, CCloneUi& ui);

  private:
    CMonotonicClock clock_;
    CCloneFile file_;
    CCloneLink link_;
};

}  // namespace ql
