#pragma once

#include "game/sound_player.h"

#include <QString>

#include <memory>

class QSoundEffect;

namespace galloria {

// The game's sounds on Qt Multimedia: one wave file at a time, the running
// sound looping. A missing file, a file that cannot be decoded or a machine
// without an audio device stays silent; nothing is reported.
class QtSoundSink final : public SoundSink {
public:
    QtSoundSink();
    ~QtSoundSink() override;

    void PlayOnce(std::string_view fileName) override;
    void PlayLoop(std::string_view fileName) override;
    void Stop() override;

    // The file last asked for and found, empty after a stop or a missing file.
    const QString& CurrentFile() const { return current_; }

private:
    void Start(std::string_view fileName, bool loop);

    // Made at the first sound, so a game with sound off never opens audio.
    std::unique_ptr<QSoundEffect> effect_;
    QString current_;
};

} // namespace galloria
