#include "app/CCrossThreadTones.h"

#include <QThread>
#include <vector>

#include "app/CWorkerBridge.h"

namespace ql {

void CCrossThreadTones::Play(std::span<const Tone> signal) {
    if (QThread::currentThread() == bridge_.thread()) {
        player_.Play(signal);
        return;
    }
    bridge_.Post(
        [this, copy = std::vector<Tone>(signal.begin(), signal.end())] { player_.Play(copy); });
}

}  // namespace ql
