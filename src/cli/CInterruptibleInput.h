#pragma once

#include <array>
#include <streambuf>

namespace ql::cli {

class CInterruptWatch;

// Standard input as a stream buffer that ends early when a watched signal comes: a read
// waits on the input and on the signal descriptor together, so a program waiting for its
// next input line still hears SIGTERM. After the end the caller asks the watch why.
class CInterruptibleInput final : public std::streambuf {
  public:
    CInterruptibleInput(int fd, CInterruptWatch& watch) : fd_(fd), watch_(watch) {}

  protected:
    int_type underflow() override;

  private:
    int fd_;
    CInterruptWatch& watch_;
    std::array<char, 4096> buffer_{};
};

}  // namespace ql::cli
