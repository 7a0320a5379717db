#pragma once

#include "model/CMemoryImage.h"

namespace ql {

// Brings an object that decodes from and encodes into the memory image in step with it: one
// already decoded writes itself into the image, one not yet decoded reads itself from it.
// It counts as decoded afterwards.
template <typename Decodable>
void SettleWithImage(Decodable& object, CMemoryImage& image) {
    if (object.Decoded()) {
        object.Encode(image);
    } else {
        object.Decode(image);
    }
    object.SetDecoded(true);
}

}  // namespace ql
