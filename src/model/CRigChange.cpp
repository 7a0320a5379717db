#include "model/CRigChange.h"

namespace ql {

std::size_t CRigChange::Footprint() const {
    return sizeof(CRigChange) + channels.capacity() * sizeof(Channel) +
           settings.capacity() * sizeof(Byte);
}

}  // namespace ql
