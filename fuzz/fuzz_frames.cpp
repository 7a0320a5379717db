// Frame reception and dispatch of the clone protocol on any byte stream, in a read, a
// write and an information exchange.
//
// The first input byte chooses the exchange. For a write, the bytes up to the first 0x00
// are the clone file the write sends from; the rest is what the line brings.

#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>

#include "clone/CCloneSession.h"

namespace {

class NullWire final : public ql::CCloneWire {
  public:
    void Send(std::span<const std::uint8_t> /*frame*/) override {}
    void Pause(std::chrono::milliseconds /*duration*/) override {}
};

constexpr std::string_view kCloneFile =
    "20470001\r\n#\r\n01201000112233445566778899AABBCCDDEEFF\r\n000001AB\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> input(data, size);
    constexpr ql::CloneMode kModes[] = {ql::CloneMode::kRead, ql::CloneMode::kWrite,
                                        ql::CloneMode::kInformation};
    const ql::CloneMode mode = kModes[input[0] % 3];
    std::span<const std::uint8_t> line = input.subspan(1);
    std::string cloneFile(kCloneFile);
    if (mode == ql::CloneMode::kWrite) {
        std::size_t end = 0;
        while (end < line.size() && line[end] != 0x00) ++end;
        if (end < line.size()) {
            cloneFile.assign(reinterpret_cast<const char*>(line.data()), end);
            line = line.subspan(end + 1);
        }
    }

    NullWire wire;
    ql::CCloneSession session(wire);
    session.SetModel(0x2047);
    session.SetRevision(1);
    session.SetExpectedBlocks(112);
    session.SetLineCount(4);
    std::ostringstream received;
    std::istringstream toSend;
    const auto begin = [&] {
        toSend.clear();
        toSend.str(cloneFile);
        std::string header;
        std::getline(toSend, header);
        session.Begin(mode, mode == ql::CloneMode::kWrite, &received, &toSend);
        session.SendRequest();
    };
    begin();
    for (const std::uint8_t byte : line) {
        if (session.Receive(byte)) session.Dispatch();
        (void)session.Percent();
        // An exchange that ended starts over, so the rest of the input is heard too.
        if (session.Status() != ql::CloneStatus::kRunning) begin();
    }
    (void)session.Information().Comment();
    return 0;
}
