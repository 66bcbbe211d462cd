#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace galloria {

// Points the per-user settings at `folder` while it lives, and back at the
// user's own place afterwards, so no other test sees a deleted folder.
class ScopedSettingsPath {
public:
    explicit ScopedSettingsPath(const QString& folder) { Set(folder); }
    ~ScopedSettingsPath() { Set(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)); }

private:
    static void Set(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
};

} // namespace galloria
