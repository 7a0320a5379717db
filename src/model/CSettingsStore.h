#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// The per-user settings store: integer, text, byte and text-list values by section and key.
// Setting a value changes the store at once for every reader in this process; Flush makes the
// values permanent, and a writer that must know whether they were kept checks its result.
class CSettingsStore {
  public:
    CSettingsStore() = default;
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;
    virtual ~CSettingsStore() = default;

    // A value that is missing or not a number (ParseSettingNumber) reads as fallback.
    [[nodiscard]] virtual int GetInt(std::string_view section, std::string_view key,
                                     int fallback) const = 0;
    virtual void SetInt(std::string_view section, std::string_view key, int value) = 0;
    [[nodiscard]] virtual std::string GetString(std::string_view section, std::string_view key,
                                                std::string_view fallback) const = 0;
    virtual void SetString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
    // Opaque bytes (a window's toolbar state); empty when missing.
    [[nodiscard]] virtual std::vector<std::uint8_t> GetBytes(std::string_view section,
                                                             std::string_view key) const = 0;
    virtual void SetBytes(std::string_view section, std::string_view key,
                          std::span<const std::uint8_t> value) = 0;
    // A list of texts (the recently used files); empty when missing.
    [[nodiscard]] virtual std::vector<std::string> GetStringList(std::string_view section,
                                                                 std::string_view key) const = 0;
    virtual void SetStringList(std::string_view section, std::string_view key,
                               const std::vector<std::string>& value) = 0;
    // Writes what was set to permanent storage. False, with the cause in error, when the
    // values could not be stored.
    [[nodiscard]] virtual bool Flush(std::string& error) = 0;
};

}  // namespace ql
