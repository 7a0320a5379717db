#include "document/CCloneStation.h"

#include "clone/CSerialLine.h"

namespace ql {

CCloneStation::CCloneStation(std::unique_ptr<CSerialLine> line, CTonePlayer& tones)
    : link_(std::move(line), clock_, tones) {
    link_.SetExpectedBlocks(kExpectedBlocks);
}

CCloneOperations CCloneStation::Operations(CRadioData& radio, CCloneUi& ui) {
    return {radio, link_, file_.Path(), ui};
}

}  // namespace ql
