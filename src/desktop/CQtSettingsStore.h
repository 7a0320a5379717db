#pragma once

#include <QSettings>

#include <filesystem>

#include "model/CSettingsStore.h"

namespace ql {

// The per-user settings store of the programs: QSettings("Orva", "QL-7400") in its
// native format, which on Linux is $XDG_CONFIG_HOME/Orva/QL-7400.conf.
class CQtSettingsStore final : public CSettingsStore {
  public:
    CQtSettingsStore();

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
    [[nodiscard]] std::vector<std::string> GetStringList(std::string_view section,
                                                         std::string_view key) const override;
    void SetStringList(std::string_view section, std::string_view key,
                       const std::vector<std::string>& value) override;
    // Also fails when the settings file could not take the values now, even where QSettings
    // had nothing to write and so reports no error.
    [[nodiscard]] bool Flush(std::string& error) override;

    // The settings file.
    [[nodiscard]] std::filesystem::path FileName() const;

  private:
    mutable QSettings settings_;
};

}  // namespace ql
