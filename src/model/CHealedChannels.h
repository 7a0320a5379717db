#pragma once

#include <cstddef>
#include <vector>

#include "model/CChannel.h"
#include "model/CVersion.h"

namespace ql {

// The channels as the last plain rebuild healed them and wrote them into the image, and the
// version they were healed for. While the image is that rebuild's result, a later rebuild
// need heal and write only the channels that differ from it: healing a healed channel again
// changes nothing, and no other object shares a channel's image bytes. Empty when the image
// is not such a result (after a load, an initialization or a safety rebuild).
class CHealedChannels {
  public:
    void Forget() { channels_.clear(); }
    // Back to what other remembers (a checkpoint's copy).
    void RestoreFrom(const CHealedChannels& other) {
        AssignChannels(channels_, other.channels_);
        version_ = other.version_;
    }
    void Remember(const std::vector<CChannel>& channels, const CVersion& version) {
        AssignChannels(channels_, channels);
        version_ = version;
    }
    // Whether the image holds every remembered channel, healed for version.
    [[nodiscard]] bool Cover(std::size_t count, const CVersion& version) const {
        return channels_.size() == count && version_ == version;
    }
    [[nodiscard]] bool Holds(std::size_t position, const CChannel& channel) const {
        return channels_[position] == channel;
    }
    void Update(std::size_t position, const CChannel& channel) { channels_[position] = channel; }

  private:
    std::vector<CChannel> channels_;
    CVersion version_;
};

}  // namespace ql
