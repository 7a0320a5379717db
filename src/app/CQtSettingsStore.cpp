#include "app/CQtSettingsStore.h"

#include <QString>
#include <QVariant>

namespace ql {

namespace {
QString KeyPath(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : settings_(QStringLiteral("Orva"), QStringLiteral("QL-7400")) {}

int CQtSettingsStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

void CQtSettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    settings_.setValue(KeyPath(section, key), value);
    settings_.sync();
}

std::string CQtSettingsStore::GetString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

void CQtSettingsStore::SetString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    settings_.setValue(KeyPath(section, key),
                       QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_.sync();
}

}  // namespace ql

namespace ql {

std::vector<std::uint8_t> CQtSettingsStore::GetBytes(std::string_view section,
                                                     std::string_view key) const {
    const QByteArray bytes = settings_.value(KeyPath(section, key)).toByteArray();
    return {bytes.begin(), bytes.end()};
}

void CQtSettingsStore::SetBytes(std::string_view section, std::string_view key,
                                std::span<const std::uint8_t> value) {
    settings_.setValue(KeyPath(section, key),
                       QByteArray(reinterpret_cast<const char*>(value.data()),
                                  static_cast<qsizetype>(value.size())));
}

bool CQtSettingsStore::Flush(std::string& error) {
    settings_.sync();
    if (settings_.status() == QSettings::NoError) return true;
    error = settings_.fileName().toStdString() + ": the settings could not be written";
    return false;
}

}  // namespace ql
