#include "document/ChannelFile.h"

#include <array>
#include <istream>

#include "base/InputFile.h"
#include "base/SystemError.h"

namespace ql {

std::optional<std::string> ReadChannelFile(const std::string& path, std::string& error) {
    CInputFile file(path);
    if (!file.IsOpen()) {
        error = DescribeFailure(path, file.Error());
        return std::nullopt;
    }
    std::string text;
    std::array<char, 8192> buffer{};
    std::istream in(&file);
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxChannelFileSize) {
            error = path + ": larger than " + std::to_string(kMaxChannelFileSize >> 20) +
                    " MiB: no channel list";
            return std::nullopt;
        }
    }
    if (file.Error() != 0) {
        error = DescribeFailure(path, file.Error());
        return std::nullopt;
    }
    return text;
}

}  // namespace ql
