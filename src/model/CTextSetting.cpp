#include "model/CTextSetting.h"

#include <algorithm>

#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

namespace {
bool AllowedInMode(char c, int mode) {
    const bool alnum = c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    switch (mode) {
        case CTextSetting::kNameText:
            return alnum || std::string_view("()*+-/:<=>_").find(c) != std::string_view::npos;
        case CTextSetting::kCallText:
            return alnum || c == '-';
        default:
            return IsTextCharacter(c);
    }
}
}  // namespace

std::optional<char> CTextSetting::KeptCharacter(char c, int mode) {
    if (mode == kNameText || mode == kCallText) c = ToUpperAscii(c);
    if (!AllowedInMode(c, mode)) return std::nullopt;
    return c;
}

void CTextSetting::SetBounds(int a, int b) {
    minimum_ = std::max(std::min(a, b), 1);
    maximum_ = std::min(std::max(a, b), 256);
    minimum_ = std::min(minimum_, maximum_);
    text_.assign(static_cast<std::size_t>(maximum_), ' ');
}

void CTextSetting::SetText(std::string_view text) {
    text_.assign(text.substr(0, static_cast<std::size_t>(maximum_)));
    Sanitise();
}

void CTextSetting::Sanitise() {
    if (text_.size() > static_cast<std::size_t>(maximum_))
        text_.resize(static_cast<std::size_t>(maximum_));
    for (char& c : text_) c = KeptCharacter(c, mode_).value_or(' ');
    if (text_.size() < static_cast<std::size_t>(minimum_))
        text_.resize(static_cast<std::size_t>(minimum_), ' ');
}

std::string CTextSetting::Handle(QueryForm /*form*/, std::string_view value) {
    if (!value.empty()) SetText(value);
    return text_;
}

}  // namespace ql
