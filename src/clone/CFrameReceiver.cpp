#include "clone/CFrameReceiver.h"

#include "clone/CloneFrame.h"

namespace ql {

bool CFrameReceiver::Receive(std::uint8_t byte) {
    ++sinceEnd_;
    if (byte == frame::kPreamble) {
        buffer_.Clear();
        return false;
    }
    if (byte == frame::kEnd) {
        lastFrame_ = buffer_;
        sinceEnd_ = 0;
        return true;
    }
    buffer_.Append(byte);
    return false;
}

void CFrameReceiver::Reset() {
    buffer_.Clear();
    lastFrame_.Clear();
    sinceEnd_ = 0;
}

}  // namespace ql
