#include "base/UniqueName.h"

#include <random>

namespace ql {

std::string UniqueName(std::string_view prefix) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int kRandomLetters = 6;
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name(prefix);
    for (int i = 0; i < kRandomLetters; ++i) name += kLetters[pick(source)];
    return name;
}

}  // namespace ql
