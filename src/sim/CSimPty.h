#pragma once

#include <string>

namespace ql::sim {

// The simulator's end of a pseudo-terminal. The device side stays open here too, raw, so
// that clients may open and close it one after another without the line hanging up.
// The link path is a symbolic link to the device, replacing an old link (never a file or
// anything else), and is removed again at the end when it still points here.
class CSimPty {
  public:
    CSimPty() = default;
    ~CSimPty();
    CSimPty(const CSimPty&) = delete;
    CSimPty& operator=(const CSimPty&) = delete;

    // False with a message in error when the pseudo-terminal or the link cannot be made.
    bool Open(const std::string& linkPath, std::string& error);

    [[nodiscard]] int Master() const { return master_; }
    [[nodiscard]] const std::string& DevicePath() const { return device_; }
    // Waits (at most a few seconds) until the client has read everything sent to it, since
    // closing the pseudo-terminal would discard what it has not read yet.
    void WaitUntilRead() const;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
    std::string link_;
};

}  // namespace ql::sim
