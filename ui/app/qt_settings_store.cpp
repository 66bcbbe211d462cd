#include "app/qt_settings_store.h"

#include <QString>

namespace galloria {

namespace {

QString KeyPath(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(QStringLiteral("Tamberlyn"), QStringLiteral("Galloria")) {}

int QtSettingsStore::GetInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // Values are held as text by some stores; anything that is not a whole
    // number reads as missing.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

void QtSettingsStore::SetInt(std::string_view section, std::string_view key, int value)
{
    settings_.setValue(KeyPath(section, key), value);
    settings_.sync();
}

std::string QtSettingsStore::GetString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

void QtSettingsStore::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    settings_.setValue(KeyPath(section, key),
                       QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_.sync();
}

} // namespace galloria
