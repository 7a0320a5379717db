#include "model/CRangeValueList.h"

#include <algorithm>

#include "model/TextOps.h"

namespace ql {

void CRangeValueList::SetRange(std::int32_t a, std::int32_t b) {
    lo_ = std::min(a, b);
    hi_ = std::max(a, b);
    default_ = lo_;
    excluded_.clear();
    texts_.assign(static_cast<std::size_t>(static_cast<std::int64_t>(hi_) - lo_ + 1),
                  std::string());
}

void CRangeValueList::SetText(std::int32_t n, std::string text) {
    if (n >= lo_ && n <= hi_) texts_[static_cast<std::size_t>(n - lo_)] = std::move(text);
}

void CRangeValueList::Exclude(std::int32_t n) {
    if (Allowed(n)) excluded_.push_back(n);
}

bool CRangeValueList::Allowed(std::int32_t n) const {
    return n >= lo_ && n <= hi_ &&
           std::find(excluded_.begin(), excluded_.end(), n) == excluded_.end();
}

std::int32_t CRangeValueList::Resolve(std::int32_t n) const {
    if (Allowed(n)) return n;
    return ResolveInvalid();
}

std::int32_t CRangeValueList::ResolveInvalid() const {
    if (Allowed(default_)) return default_;
    for (std::int32_t n = lo_; n <= hi_; ++n) {
        if (Allowed(n)) return n;
    }
    return lo_;
}

const std::string& CRangeValueList::Text(std::int32_t n) const {
    return texts_[static_cast<std::size_t>(Resolve(n) - lo_)];
}

bool CRangeValueList::Find(std::string_view text, std::int32_t& n) const {
    for (std::int32_t i = lo_; i <= hi_; ++i) {
        if (Allowed(i) && EqualsNoCase(texts_[static_cast<std::size_t>(i - lo_)], text)) {
            n = i;
            return true;
        }
    }
    return false;
}

}  // namespace ql
