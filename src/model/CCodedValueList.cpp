#include "model/CCodedValueList.h"

#include "model/TextOps.h"

namespace ql {

void CCodedValueList::SetCount(std::int32_t count) {
    default_ = 0;
    entries_.clear();
    for (std::int32_t p = 0; p < count; ++p) {
        entries_.push_back({"xxxx", static_cast<std::uint16_t>(p)});
    }
}

void CCodedValueList::SetEntry(std::int32_t position, std::string text, std::uint16_t code) {
    if (position >= 0 && position < Count()) {
        entries_[static_cast<std::size_t>(position)] = {std::move(text), code};
    }
}

std::int32_t CCodedValueList::Resolve(std::int32_t p) const {
    if (p >= 0 && p < Count()) return p;
    if (default_ >= 0 && default_ < Count()) return default_;
    return 0;
}

const std::string& CCodedValueList::Text(std::int32_t p) const {
    static const std::string kNone;
    if (entries_.empty()) return kNone;
    return entries_[static_cast<std::size_t>(Resolve(p))].text;
}

std::uint16_t CCodedValueList::Code(std::int32_t p) const {
    if (entries_.empty()) return 0;
    return entries_[static_cast<std::size_t>(Resolve(p))].code;
}

bool CCodedValueList::FindText(std::string_view text, std::int32_t& p) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (EqualsNoCase(entries_[static_cast<std::size_t>(i)].text, text)) {
            p = i;
            return true;
        }
    }
    return false;
}

bool CCodedValueList::FindCode(std::uint16_t code, std::int32_t& p) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (entries_[static_cast<std::size_t>(i)].code == code) {
            p = i;
            return true;
        }
    }
    return false;
}

}  // namespace ql
