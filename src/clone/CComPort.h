#pragma once

#include <termios.h>

#include <optional>
#include <string>

#include "clone/CSerialLine.h"

namespace ql {

// The serial port on POSIX termios, in the one configuration the clone cable needs:
// exclusive (O_NOCTTY, TIOCEXCL and flock, so a second opener in any process is refused),
// 9600 baud 8-N-1 raw without flow control, DTR low and RTS high where the device has
// modem lines, low latency where the driver offers it. The descriptor stays non-blocking, so
// a read takes what has arrived in one call and never waits. Closing puts the line settings back
// as they were before the open.
class CComPort : public CSerialLine {
  public:
    // The texts handed to ReportError.
    static constexpr std::string_view kNotOpen = " not Open ";
    static constexpr std::string_view kInvalidSetting = " invarid setting ";
    static constexpr std::string_view kWriteError = " write error ";
    static constexpr std::string_view kReadError = " read error ";

    CComPort() = default;
    ~CComPort() override;

    [[nodiscard]] virtual int GetHandle() const { return fd_; }
    bool Open(std::string_view device, unsigned baud) override;
    void Close() override;
    [[nodiscard]] bool IsOpen() const override { return fd_ >= 0; }
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    bool Flush() override;
    LineWait Await(std::chrono::microseconds timeout, int wake) override;
    bool Rest(std::chrono::microseconds duration, int wake) override;
    [[nodiscard]] std::string LastFailure() const override { return lastFailure_; }
    [[nodiscard]] PortObservation Observed() const override { return observed_; }

    // The device and rate last passed to a successful or attempted Open.
    [[nodiscard]] const std::string& PortName() const { return portName_; }
    [[nodiscard]] unsigned BaudRate() const { return baud_; }
    // The modem line bits (TIOCM_*) of the open device; empty where it has none.
    [[nodiscard]] std::optional<int> ModemLines() const;

  protected:
    // The raw open and line set-up; returns the new descriptor or -1.
    virtual int OpenPort(const std::string& device, unsigned baud);
    virtual void CloseDevice(int handle);
    // The error hook: every failure of the port passes through here with one of the texts
    // above and the errno value. The port itself shows nothing.
    virtual void ReportError(std::string_view text, int code);

  private:
    void Fail(std::string_view reportText, int code);
    // Puts the line settings found at the open back on fd.
    void RestoreLine(int fd);

    int fd_ = -1;
    std::string portName_;
    unsigned baud_ = 9600;
    std::string lastFailure_;
    PortObservation observed_;
    std::optional<termios> saved_;
};

}  // namespace ql
