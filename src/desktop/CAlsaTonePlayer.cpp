#include "desktop/CAlsaTonePlayer.h"

#include <alsa/asoundlib.h>
#include <memory>
#include <utility>
#include <vector>

#include "desktop/ToneSynthesis.h"

namespace ql {

namespace {
constexpr unsigned kRate = 22050;
constexpr unsigned kLatencyMicroseconds = 100000;

struct PcmCloser {
    void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};

// ALSA reports a missing sound card on standard error; a machine without sound is normal.
void QuietAlsa(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
               const char* /*fmt*/, ...) {}

// Plays samples to their end on the default device; returns at once without one.
void PlaySamples(const std::vector<std::int16_t>& samples) {
    snd_pcm_t* raw = nullptr;
    if (snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return;
    const std::unique_ptr<snd_pcm_t, PcmCloser> pcm(raw);
    if (snd_pcm_set_params(pcm.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate,
                           1, kLatencyMicroseconds) < 0) {
        return;
    }
    std::size_t done = 0;
    while (done < samples.size()) {
        const snd_pcm_sframes_t n =
            snd_pcm_writei(pcm.get(), samples.data() + done, samples.size() - done);
        if (n < 0) {
            if (snd_pcm_recover(pcm.get(), static_cast<int>(n), 1) < 0) return;
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    snd_pcm_drain(pcm.get());
}
}  // namespace

CAlsaTonePlayer::~CAlsaTonePlayer() {
    if (worker_.joinable()) worker_.join();
}

void CAlsaTonePlayer::Play(std::span<const Tone> signal) {
    snd_lib_error_set_handler(&QuietAlsa);
    std::vector<std::int16_t> samples = SynthesizeSignal(signal, kRate);
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread([owned = std::move(samples)] { PlaySamples(owned); });
}

}  // namespace ql
