#include "datafile/IcfResult.h"

namespace ql {

std::string_view ResultText(IcfResult result) {
    switch (result) {
        case IcfResult::kOk:
            return "OK";
        case IcfResult::kCannotOpenFile:
            return "CANNOT_OPEN_FILE";
        case IcfResult::kFormatError:
            return "FORMAT_ERROR";
        case IcfResult::kMismatchModel:
            return "MISMATCH_MODEL";
        case IcfResult::kMismatchRevision:
            return "MISMATCH_REVISION";
        case IcfResult::kDataOverflow:
            return "DATA_OVERFLOW";
        case IcfResult::kNotEnoughData:
            return "NOT_ENOUGH_DATA";
        case IcfResult::kError:
            break;
    }
    return "ERROR";
}

IcfResult ResultFromText(std::string_view text) {
    for (const IcfResult result :
         {IcfResult::kOk, IcfResult::kCannotOpenFile, IcfResult::kFormatError,
          IcfResult::kMismatchModel, IcfResult::kMismatchRevision, IcfResult::kDataOverflow,
          IcfResult::kNotEnoughData}) {
        if (ResultText(result) == text) return result;
    }
    return IcfResult::kError;
}

}  // namespace ql
