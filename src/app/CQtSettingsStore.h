#pragma once

#include <QSettings>

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
    [[nodiscard]] bool Flush(std::string& error) override;

  private:
    mutable QSettings settings_;
};

}  // namespace ql
