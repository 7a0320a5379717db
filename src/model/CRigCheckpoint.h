#pragma once

#include <memory>

#include "model/CChannelTable.h"
#include "model/CCommonSettings.h"
#include "model/CDtmfMemories.h"
#include "model/CHealedChannels.h"
#include "model/CMemoryImage.h"
#include "model/CVersion.h"

namespace ql {

// The whole state of one memory model held aside: version, images, edit flag, every decoded
// object and the channel clipboard. Putting it back needs no rebuild, so a caller that
// returns to one data set again and again pays a copy instead. Only the memory model that
// took it may put it back (its channels share that model's value lists).
struct CRigCheckpoint {
    CVersion version;
    CMemoryImage image;
    CMemoryImage reference;
    CMemoryImage defaultImage;
    CChannelTable::Contents channels;
    std::unique_ptr<CCommonSettings> common;  // built for version
    CDtmfMemories dtmf;
    CHealedChannels healed;
    bool editFlag = false;
    int lastFileError = 0;
};

}  // namespace ql
