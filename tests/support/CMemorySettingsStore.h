#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/CSettingsStore.h"
#include "model/SettingsNumber.h"

namespace ql {

// A settings store that lives in memory only, for tests, benchmarks and fuzz targets. Numbers
// are kept as texts, as a settings file keeps them, so a number reads back the same way from
// here as from the file.
class CMemorySettingsStore final : public CSettingsStore {
  public:
    [[nodiscard]] int GetInt(std::string_view section, std::string_view key,
                             int fallback) const override {
        const std::string* text = Find<std::string>(section, key);
        if (text == nullptr) return fallback;
        return ParseSettingNumber(*text).value_or(fallback);
    }
    void SetInt(std::string_view section, std::string_view key, int value) override {
        values_[MakeKey(section, key)] = std::to_string(value);
    }
    [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const override {
        const std::string* text = Find<std::string>(section, key);
        return text != nullptr ? *text : std::string(fallback);
    }
    void SetString(std::string_view section, std::string_view key,
                   std::string_view value) override {
        values_[MakeKey(section, key)] = std::string(value);
    }
    [[nodiscard]] std::vector<std::uint8_t> GetBytes(std::string_view section,
                                                     std::string_view key) const override {
        const auto* bytes = Find<std::vector<std::uint8_t>>(section, key);
        return bytes != nullptr ? *bytes : std::vector<std::uint8_t>{};
    }
    void SetBytes(std::string_view section, std::string_view key,
                  std::span<const std::uint8_t> value) override {
        values_[MakeKey(section, key)] = std::vector<std::uint8_t>(value.begin(), value.end());
    }
    [[nodiscard]] std::vector<std::string> GetStringList(std::string_view section,
                                                         std::string_view key) const override {
        if (const auto* list = Find<std::vector<std::string>>(section, key)) return *list;
        // A single text is a list of one, as a settings file cannot tell them apart.
        if (const std::string* text = Find<std::string>(section, key)) return {*text};
        return {};
    }
    void SetStringList(std::string_view section, std::string_view key,
                       const std::vector<std::string>& value) override {
        values_[MakeKey(section, key)] = value;
    }
    // Fails, as a full disk would, while failure is set.
    [[nodiscard]] bool Flush(std::string& error) override {
        ++flushes_;
        if (failure_.empty()) return true;
        error = failure_;
        return false;
    }

    [[nodiscard]] bool Contains(std::string_view section, std::string_view key) const {
        return values_.contains(MakeKey(section, key));
    }
    void FailFlushes(std::string failure) { failure_ = std::move(failure); }
    [[nodiscard]] int Flushes() const { return flushes_; }

  private:
    using Key = std::pair<std::string, std::string>;
    using Value = std::variant<std::string, std::vector<std::uint8_t>, std::vector<std::string>>;

    static Key MakeKey(std::string_view section, std::string_view key) {
        return {std::string(section), std::string(key)};
    }
    template <typename T>
    const T* Find(std::string_view section, std::string_view key) const {
        const auto it = values_.find(MakeKey(section, key));
        return it == values_.end() ? nullptr : std::get_if<T>(&it->second);
    }

    std::map<Key, Value, std::less<>> values_;
    std::string failure_;
    int flushes_ = 0;
};

}  // namespace ql
