#include "clone/CFrameReceiver.h"

#include "clone/CloneFrame.h"

namespace ql {

bool CFrameReceiver::Receive(std::uint8_t byte) {
    if (byte == frame::kPreamble) {
        buffer_.Clear();
        return false;
    }
    if (byte == frame::kEnd) {
        lastFrame_ = buffer_;
        return true;
    }
    buffer_.Append(byte);
    return false;
}

void CFrameReceiver::Reset() {
    buffer_.Clear();
    lastFrame_.Clear();
}

}  // namespace ql
