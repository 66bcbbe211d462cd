// The options dialog and the settings it changes.
#include "game/game.h"

#include "base/settings_store.h"

namespace galloria {

void Game::GameOptions()
{
    const GameSettings loaded = LoadSettings(store_);
    settings.playerNames = loaded.playerNames;
    sounds.Play(SoundEffect::Pop);
    const OptionsAnswer answer = host_.AskOptions(loaded);
    host_.Repaint();
    if (answer.saved)
        ApplyOptions(*answer.saved);
    if (answer.resetRequested)
        hallOfFame.Reset();
}

void Game::ApplyOptions(const GameSettings& options)
{
    settings = options;
    SaveSettings(settings, store_, SettingsGroup::Options);
    sounds.SetEnabled(settings.SoundEnabled());
}

} // namespace galloria
