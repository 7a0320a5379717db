#include "model/CRangeSetting.h"

#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

bool CRangeSetting::SetText(std::string_view text) {
    std::int32_t n = 0;
    if (!list_->Find(text, n)) return false;
    SetNumber(n);
    return true;
}

std::string CRangeSetting::Handle(QueryForm form, std::string_view value) {
    if (form == QueryForm::ByNumber) {
        if (!value.empty()) {
            const auto n = ScanDecimal(value);
            current_ = n ? list_->Resolve(*n) : list_->ResolveInvalid();
        }
        return std::to_string(current_);
    }
    if (!value.empty()) SetText(value);
    return Text();
}

}  // namespace ql
