#include "model/CCodedSetting.h"

#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

bool CCodedSetting::SetText(std::string_view text) {
    std::int32_t p = 0;
    if (!list_->FindText(text, p)) return false;
    current_ = p;
    return true;
}

void CCodedSetting::SetCode(std::uint16_t code) {
    std::int32_t p = 0;
    current_ = list_->FindCode(code, p) ? p : list_->Resolve(list_->DefaultPosition());
}

std::string CCodedSetting::Handle(QueryForm form, std::string_view value) {
    if (form == QueryForm::ByNumber) {
        if (!value.empty()) {
            const auto p = ScanDecimal(value);
            current_ = list_->Resolve(p ? *p : -1);
        }
        return std::to_string(current_);
    }
    if (!value.empty()) SetText(value);
    return Text();
}

}  // namespace ql
