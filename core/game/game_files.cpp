// Saving the set in progress and opening a saved one.
#include "game/game.h"

#include "game/race_program_draw.h"
#include "game/unfinished_game_file.h"
#include "reports/program_report.h"
#include "reports/results_file.h"

namespace galloria {

namespace {

constexpr std::string_view kProposedSaveName = "Saved Game";

} // namespace

void Game::SaveUnfinishedGame(GameFile file)
{
    std::filesystem::path path;
    if (file == GameFile::AutoSaved) {
        path = folder / kAutoSavedGameFileName;
    } else {
        const auto chosen = host_.ChooseSaveFile(kProposedSaveName);
        if (!chosen)
            return;
        path = *chosen;
    }
    hallOfFame.StampDateTime();
    WriteUnfinishedGameFile(path, state, hallOfFame.today);
}

void Game::OpenUnfinishedGame(GameFile file)
{
    std::filesystem::path path;
    if (file == GameFile::AutoSaved) {
        path = folder / kAutoSavedGameFileName;
    } else {
        const auto chosen = host_.ChooseOpenFile();
        if (!chosen)
            return;
        path = *chosen;
    }
    if (state.raceRunning)
        return;

    RaceSetState opened = state;
    const GameFileReadResult read = ReadUnfinishedGameFile(path, opened);
    if (read.stop == GameFileStop::CannotOpen)
        return; // the game in progress is not touched

    stable.folder = folder;
    stable.LoadOrExit(random);
    if (const std::string tooSmall = StableTooSmallMessage(stable.count); !tooSmall.empty()) {
        Message(tooSmall, MessageKind::Information);
        return;
    }
    state = opened;
    hallOfFame.StampDateTime();
    if (read.date)
        hallOfFame.today = *read.date;
    if (!read.Complete())
        Message(GameFileReadMessage(read), MessageKind::Information);

    EnterPhase(GamePhase::NoSet);
    state.firstTenEligible = false;
    // The balances of a saved game hold no bets still to be run, so a set
    // that ends at once keeps them as read.
    state.raceSettled = true;
    hallOfFameAtSetEnd_ = true;
    if (state.raceIndex < kRacesPerSet) {
        DrawRaceProgram(state.program, stable, random);
        WriteProgramReport(folder, state.program, stable);
    }
    // The opened game's races go to a results file of their own, begun with
    // its first race: the file its set used before may since hold another
    // set, and a game opened only to look at takes no number of the ten.
    resultsFile.clear();
    settings = LoadSettings(store_);
    sounds.SetEnabled(settings.SoundEnabled());
    openedGameProgramDrawn_ = state.raceIndex < kRacesPerSet;
    --state.raceCounter;
    AdvanceToNextRace();
}

const std::filesystem::path& Game::ResultsFileInUse()
{
    if (resultsFile.empty())
        resultsFile = StartResultsFile(folder, store_, hallOfFame).path;
    return resultsFile;
}

void Game::ContinueLastSet()
{
    OpenUnfinishedGame(GameFile::AutoSaved);
}

} // namespace galloria
