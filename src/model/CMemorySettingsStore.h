#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/CSettingsStore.h"

namespace ql {

// A settings store that lives in memory only; used by tests.
class CMemorySettingsStore final : public CSettingsStore {
  public:
    [[nodiscard]] int GetInt(std::string_view section, std::string_view key,
                             int fallback) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;
    [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const override;
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;
    [[nodiscard]] std::vector<std::uint8_t> GetBytes(std::string_view section,
                                                     std::string_view key) const override;
    void SetBytes(std::string_view section, std::string_view key,
                  std::span<const std::uint8_t> value) override;
    [[nodiscard]] bool Flush(std::string& error) override;

    [[nodiscard]] bool Contains(std::string_view section, std::string_view key) const;

  private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::variant<int, std::string, std::vector<std::uint8_t>>, std::less<>> values_;
};

}  // namespace ql
