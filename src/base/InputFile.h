#pragma once

#include <array>
#include <filesystem>
#include <streambuf>

namespace ql {

// A file opened for reading as a stream buffer over a POSIX descriptor, for use with
// std::istream. Opening never blocks (a FIFO without a writer reads as an empty file), a
// directory does not open. A failed read is kept as Error() and thrown from underflow as
// the standard file buffer does, so that std::istream and ReadBoundedLine report a failed
// input rather than an early end.
class CInputFile : public std::streambuf {
  public:
    explicit CInputFile(const std::filesystem::path& path);
    ~CInputFile() override;
    CInputFile(const CInputFile&) = delete;
    CInputFile& operator=(const CInputFile&) = delete;

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    // The errno value of a failed open or read; 0 while all is well.
    [[nodiscard]] int Error() const { return error_; }

  protected:
    int_type underflow() override;

  private:
    int fd_ = -1;
    int error_ = 0;
    std::array<char, 8192> buffer_{};
};

}  // namespace ql
