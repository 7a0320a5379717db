#include "desktop/CQtSettingsStore.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cerrno>

#include "base/SystemError.h"
#include "desktop/QtText.h"
#include "desktop/SettingsFileCheck.h"
#include "model/SettingsNumber.h"

namespace ql {

namespace {
QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + '/' + ToQString(key);
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : settings_(QStringLiteral("Orva"), QStringLiteral("QL-7400")) {}

std::filesystem::path CQtSettingsStore::FileName() const {
    return settings_.fileName().toStdString();
}

int CQtSettingsStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return fallback;
    return ParseSettingNumber(value.toString().toStdString()).value_or(fallback);
}

void CQtSettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    settings_.setValue(KeyPath(section, key), value);
}

std::string CQtSettingsStore::GetString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

void CQtSettingsStore::SetString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    settings_.setValue(KeyPath(section, key), ToQString(value));
}

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

std::vector<std::string> CQtSettingsStore::GetStringList(std::string_view section,
                                                         std::string_view key) const {
    std::vector<std::string> list;
    for (const QString& text : settings_.value(KeyPath(section, key)).toStringList()) {
        list.push_back(text.toStdString());
    }
    return list;
}

void CQtSettingsStore::SetStringList(std::string_view section, std::string_view key,
                                     const std::vector<std::string>& value) {
    QStringList list;
    for (const std::string& text : value) list.append(ToQString(text));
    settings_.setValue(KeyPath(section, key), list);
}

bool CQtSettingsStore::Flush(std::string& error) {
    settings_.sync();
    const std::optional<int> problem = SettingsFileProblem(FileName());
    if (settings_.status() == QSettings::NoError && !problem) return true;
    // QSettings tells only that it failed; the file and its folder tell why.
    error = DescribeFailure(FileName().string(), problem.value_or(EIO));
    return false;
}

}  // namespace ql
