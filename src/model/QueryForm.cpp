#include "model/QueryForm.h"

#include "model/TextOps.h"

namespace ql {

QueryForm FormOf(std::string_view word) {
    if (EqualsNoCase(word, "ByNumber")) return QueryForm::ByNumber;
    if (EqualsNoCase(word, "ByMenuItemName")) return QueryForm::ByMenuItemName;
    return QueryForm::ByString;
}

}  // namespace ql
