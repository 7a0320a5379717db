#include "model/CMemorySettingsStore.h"

#include <charconv>

namespace ql {

namespace {
std::pair<std::string, std::string> MakeKey(std::string_view section, std::string_view key) {
    return {std::string(section), std::string(key)};
}
}  // namespace

int CMemorySettingsStore::GetInt(std::string_view section, std::string_view key,
                                 int fallback) const {
    const auto it = values_.find(MakeKey(section, key));
    if (it == values_.end()) return fallback;
    if (const int* value = std::get_if<int>(&it->second)) return *value;
    const auto* textValue = std::get_if<std::string>(&it->second);
    if (textValue == nullptr) return fallback;
    const std::string& text = *textValue;
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    return (ec == std::errc() && end == text.data() + text.size()) ? parsed : fallback;
}

void CMemorySettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    values_[MakeKey(section, key)] = value;
}

std::string CMemorySettingsStore::GetString(std::string_view section, std::string_view key,
                                            std::string_view fallback) const {
    const auto it = values_.find(MakeKey(section, key));
    if (it == values_.end()) return std::string(fallback);
    if (const int* value = std::get_if<int>(&it->second)) return std::to_string(*value);
    if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
    return std::string(fallback);
}

void CMemorySettingsStore::SetString(std::string_view section, std::string_view key,
                                     std::string_view value) {
    values_[MakeKey(section, key)] = std::string(value);
}

std::vector<std::uint8_t> CMemorySettingsStore::GetBytes(std::string_view section,
                                                         std::string_view key) const {
    const auto it = values_.find(MakeKey(section, key));
    if (it == values_.end()) return {};
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&it->second)) return *bytes;
    return {};
}

void CMemorySettingsStore::SetBytes(std::string_view section, std::string_view key,
                                    std::span<const std::uint8_t> value) {
    values_[MakeKey(section, key)] = std::vector<std::uint8_t>(value.begin(), value.end());
}

bool CMemorySettingsStore::Flush(std::string& /*error*/) {
    return true;
}

bool CMemorySettingsStore::Contains(std::string_view section, std::string_view key) const {
    return values_.contains(MakeKey(section, key));
}

}  // namespace ql
