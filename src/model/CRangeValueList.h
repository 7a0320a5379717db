#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// Maps each stored number of a contiguous range lo..hi to a text; some numbers of the
// range may be excluded.
class CRangeValueList {
  public:
    // Sets lo and hi (in either order); the default becomes lo, exclusions are dropped and
    // every text is empty.
    void SetRange(std::int32_t a, std::int32_t b);
    void SetText(std::int32_t n, std::string text);
    void Exclude(std::int32_t n);

    [[nodiscard]] bool Allowed(std::int32_t n) const;
    // n when allowed; else the default when allowed; else the lowest allowed; else lo.
    [[nodiscard]] std::int32_t Resolve(std::int32_t n) const;
    // The number a value that is no number at all resolves to.
    [[nodiscard]] std::int32_t ResolveInvalid() const;
    [[nodiscard]] const std::string& Text(std::int32_t n) const;
    // The first allowed number whose text equals text (ignoring the case of A-Z).
    [[nodiscard]] bool Find(std::string_view text, std::int32_t& n) const;

    [[nodiscard]] std::int32_t Size() const { return hi_ - lo_ + 1; }

  private:
    std::int32_t lo_ = 0;
    std::int32_t hi_ = 0;
    std::int32_t default_ = 0;
    std::vector<std::string> texts_ = std::vector<std::string>(1);
    std::vector<std::int32_t> excluded_;
};

}  // namespace ql
