#include "base/SystemError.h"

#include <cerrno>
#include <cstring>

namespace ql {

std::string DescribeErrno(int error) {
    switch (error) {
        case 0:
            return "unknown error";
        case ENOENT:
            return "no such file or device";
        case EACCES:
        case EPERM:
            return "permission denied";
        case EBUSY:
            return "the device is busy: another program holds it";
        case EWOULDBLOCK:
            return "the device is in use by another program";
        case ENOSPC:
            return "no space left on the device";
        case EROFS:
            return "the file system is read-only";
        case EISDIR:
            return "it is a directory";
        case ENOTDIR:
            return "a part of the path is not a directory";
        case ENAMETOOLONG:
            return "the name is too long";
        case ENXIO:
        case ENODEV:
            return "no such device (is the cable plugged in?)";
        case EIO:
            return "input/output error";
        case EMFILE:
        case ENFILE:
            return "too many open files";
        default:
            break;
    }
    // strerror's text, in the C locale's wording since nothing here changes the locale.
    return std::strerror(error);  // NOLINT(concurrency-mt-unsafe): one thread
}

std::string DescribeFailure(std::string_view what, int error) {
    std::string text(what);
    text += ": ";
    text += DescribeErrno(error);
    return text;
}

}  // namespace ql
