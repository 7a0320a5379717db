#pragma once

#include "model/CCodedValueList.h"
#include "model/CRangeValueList.h"

namespace ql {

// The value lists every channel shares: reference frequency, appearance, skip, mode,
// duplex, tone mode, tuning step and the 50 tone frequencies.
struct CChannelLists {
    CChannelLists();
    CChannelLists(const CChannelLists&) = delete;
    CChannelLists& operator=(const CChannelLists&) = delete;

    CCodedValueList reference;
    CCodedValueList appear;
    CCodedValueList skip;
    CCodedValueList mode;
    CCodedValueList duplex;
    CCodedValueList toneMode;
    CCodedValueList tuningStep;
    CRangeValueList tones;
};

}  // namespace ql
