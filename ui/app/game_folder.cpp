#include "app/game_folder.h"

#include "base/sound_effect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace galloria {

namespace {

constexpr auto kStartingStable = ":/stable/Stable.dat";

// Copies a built-in resource to `target`, writable by the player (copies of
// resources come out read-only).
bool CopyResource(const QString& resource, const QString& target)
{
    if (!QFile::exists(resource))
        return false;
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(resource, target))
        return false;
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther);
    return true;
}

} // namespace

QString DefaultGameFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

GameFolderResult PrepareGameFolder(const QString& folder)
{
    GameFolderResult result;
    result.path = QDir::currentPath();
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return result;
    result.path = QDir::currentPath();
    result.entered = true;

    // The stable is the player's own once it exists: only a folder with
    // neither file is given the starting one, so a lost Stable.dat is still
    // recovered from the player's backup rather than replaced.
    const QString stable = QStringLiteral("data/Stable.dat");
    const QString backup = QStringLiteral("data/BackUp.dat");
    if (!QFile::exists(stable) && !QFile::exists(backup)) {
        const bool copied = CopyResource(kStartingStable, stable);
        result.stableCopied = copied && CopyResource(kStartingStable, backup);
    }

    for (int number = 1; number <= static_cast<int>(SoundEffect::Silence); ++number) {
        const std::string_view file = SoundFileName(static_cast<SoundEffect>(number));
        if (file.empty())
            continue;
        const QString target = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        if (QFile::exists(target))
            continue;
        const QString resource = QStringLiteral(":/sounds/") + QFileInfo(target).fileName();
        result.soundsCopied += CopyResource(resource, target) ? 1 : 0;
    }
    return result;
}

} // namespace galloria
