#include "stable/stable.h"

#include "base/file_io.h"
#include "base/game_random.h"
#include "base/screen_text.h"
#include "base/text_cut.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace galloria {

namespace {

constexpr std::size_t kLargestStableFile = Stable::kMaxHorses * kHorseRecordSize;

} // namespace

StableFileResult DecodeStableBytes(std::string_view bytes, Stable& stable)
{
    stable.count = 0;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    while (stable.count < Stable::kMaxHorses &&
           bytes.size() >= (static_cast<std::size_t>(stable.count) + 1) * kHorseRecordSize) {
        HorseRecord& horse = stable.records[stable.count++];
        horse = DecodeHorseRecord(data + (stable.count - 1) * kHorseRecordSize);
        // A name field without its NUL holds 30 bytes: cut it to the 29 a
        // name may have, never inside a letter. Other records stay byte for
        // byte as read.
        const std::string_view name = HorseName(horse);
        if (name.size() > kMaxHorseNameLength) {
            // Backing off over more than a letter's continuation bytes means
            // they are stray bytes, each a letter of its own.
            std::string_view cut = CutToBytes(name, kMaxHorseNameLength);
            if (cut.size() + 3 < kMaxHorseNameLength)
                cut = name.substr(0, kMaxHorseNameLength);
            SetHorseName(horse, std::string(cut));
        }
    }
    if (stable.count == 0)
        return {StableFileResult::Status::NoCompleteRecord, "the stable file holds no complete horse record"};
    return {StableFileResult::Status::Read, {}};
}

StableFileResult ReadStableFile(const std::filesystem::path& path, Stable& stable)
{
    stable.count = 0;
    // Records beyond the 2000th are never read.
    const FileRead file = ReadFileUpTo(path, kLargestStableFile);
    if (!file.HasBytes())
        return {StableFileResult::Status::CannotOpen, "cannot open the stable file " + path.string()};
    StableFileResult result = DecodeStableBytes(file.bytes, stable);
    if (!result.ok())
        result.message = "the stable file " + path.string() + " holds no complete horse record";
    return result;
}

StableAppend AppendHorseToStableFile(const std::filesystem::path& path, const HorseRecord& horse,
                                     std::span<const HorseRecord> whenMissing)
{
    std::string contents;
    const FileRead file = ReadFileUpTo(path, kLargestStableFile);
    if (file.HasBytes()) {
        if (file.status == FileReadStatus::TooLong ||
            file.bytes.size() / kHorseRecordSize >= Stable::kMaxHorses)
            return StableAppend::StableFull;
        contents = file.bytes.substr(0, file.bytes.size() / kHorseRecordSize * kHorseRecordSize);
    } else if (std::error_code error;
               file.status == FileReadStatus::CannotOpen && !std::filesystem::exists(path, error) && !error) {
        contents.resize(std::min(whenMissing.size(), std::size_t{Stable::kMaxHorses - 1}) * kHorseRecordSize);
        for (std::size_t i = 0; i * kHorseRecordSize < contents.size(); ++i)
            EncodeHorseRecord(whenMissing[i],
                              reinterpret_cast<std::uint8_t*>(&contents[i * kHorseRecordSize]));
    } else {
        return StableAppend::CannotRead;
    }
    std::uint8_t bytes[kHorseRecordSize];
    EncodeHorseRecord(horse, bytes);
    contents.append(reinterpret_cast<const char*>(bytes), kHorseRecordSize);
    return ReplaceFile(path, contents) ? StableAppend::Written : StableAppend::CannotWrite;
}

bool WriteStableFile(const std::filesystem::path& path, std::span<const HorseRecord> horses)
{
    std::string contents(horses.size() * kHorseRecordSize, '\0');
    for (std::size_t i = 0; i < horses.size(); ++i)
        EncodeHorseRecord(horses[i], reinterpret_cast<std::uint8_t*>(&contents[i * kHorseRecordSize]));
    return ReplaceFile(path, contents);
}

Stable::Stable() : records{}, statistics{}
{
    std::fill(std::begin(nextRaceSelection), std::end(nextRaceSelection), -1);
}

Stable::LoadResult Stable::Load(GameRandom& random)
{
    // Saves a kill interrupted leave their temporary files here.
    RemoveStaleTemporaryFiles(StablePath().parent_path());
    loadedFromBackup = false;
    backupRefreshPending = true;
    StableFileResult read = ReadStableFile(StablePath(), *this);
    if (!read.ok()) {
        // A missing or empty stable file is restored from the backup.
        loadedFromBackup = true;
        backupRefreshPending = false;
        read = ReadStableFile(BackupPath(), *this);
        if (read.status == StableFileResult::Status::CannotOpen)
            return LoadResult::BackupMissing;
    }
    ComputeStatistics(random);
    Save();
    return loadedFromBackup ? LoadResult::FromBackup : LoadResult::FromStable;
}

void Stable::LoadOrExit(GameRandom& random)
{
    if (Load(random) == LoadResult::BackupMissing)
        std::exit(kBackupMissingExitCode);
}

void Stable::Save()
{
    const std::filesystem::path target = backupRefreshPending ? BackupPath() : StablePath();
    backupRefreshPending = false;
    WriteStableFile(target, {records, static_cast<std::size_t>(count)});
}

Stable::AddHorseError Stable::AddHorse(std::string_view name, std::uint8_t speed, std::uint8_t sprint,
                                       std::uint8_t stamina, std::uint8_t spontaneity, std::uint32_t colour,
                                       GameRandom& random)
{
    HorseRecord horse{};
    if (name.empty())
        return Tr("Stable", "A horse needs a name.");
    if (!SetHorseName(horse, name))
        return Tr("Stable", "A horse's name can have at most 29 characters.");
    if (count == 0)
        Load(random);
    if (count >= kMaxHorses)
        return Tr("Stable", "The stable is full: it holds 2000 horses, the most it can.");

    horse.speed = speed;
    horse.sprint = sprint;
    horse.stamina = stamina;
    horse.spontaneity = spontaneity;
    horse.colour = colour;

    const std::filesystem::path target = backupRefreshPending ? BackupPath() : StablePath();
    if (AppendHorseToStableFile(target, horse, {records, static_cast<std::size_t>(count)}) ==
        StableAppend::StableFull)
        return Tr("Stable", "The stable is full: it holds 2000 horses, the most it can.");
    backupRefreshPending = false;
    records[count++] = horse;
    return {};
}

void Stable::DeleteHorses(std::span<const int> numbers, GameRandom& random)
{
    std::vector<HorseRecord> kept;
    for (int i = 0; i < count; ++i) {
        if (std::find(numbers.begin(), numbers.end(), i + 1) == numbers.end())
            kept.push_back(records[i]);
    }
    if (WriteStableFile(StablePath(), kept))
        Load(random);
}

void Stable::ComputeStatistics(GameRandom& random)
{
    for (int h = 0; h < count; ++h) {
        const HorseRecord& horse = records[h];
        const HorseFigures figures = FiguresOf(horse);
        HorseStatistics s;
        s.bestTime = figures.bestTime;
        s.hiWin = figures.hiWin;
        s.totalEarnings = figures.totalEarnings;
        s.firsts = figures.firsts;
        s.seconds = figures.seconds;
        s.thirds = figures.thirds;
        // The rating is the mean of the odds of the races run.
        double oddsSum = 0.0;
        int oddsCount = 0;
        for (const float odds : horse.oddsHistory) {
            if (odds > 0.0f) {
                oddsSum += odds;
                ++oddsCount;
            }
        }
        s.ratingOdds = oddsCount > 0 ? oddsSum / oddsCount : 9 + random.Next() % 4;
        s.lastFinish = horse.finishHistory[0];
        s.lastPurse = horse.lastPurse;
        statistics[h] = s;
    }
}

void Stable::RecordRaceResult(std::span<const int> stableIndexByPlace, std::span<const int> finishTimeByPlace,
                              int purse)
{
    const std::size_t runners = std::min(stableIndexByPlace.size(), finishTimeByPlace.size());
    const auto unsignedPurse = static_cast<std::uint32_t>(purse);
    for (std::size_t k = 0; k < runners; ++k) {
        const int index = stableIndexByPlace[k];
        if (index < 0 || index >= count)
            continue;
        HorseRecord& horse = records[index];
        std::copy_backward(horse.oddsHistory, horse.oddsHistory + kHistoryLength - 1,
                           horse.oddsHistory + kHistoryLength);
        std::copy_backward(horse.earningsHistory, horse.earningsHistory + kHistoryLength - 1,
                           horse.earningsHistory + kHistoryLength);
        std::copy_backward(horse.finishHistory, horse.finishHistory + kHistoryLength - 1,
                           horse.finishHistory + kHistoryLength);
        std::copy_backward(horse.timeHistory, horse.timeHistory + kHistoryLength - 1,
                           horse.timeHistory + kHistoryLength);

        const std::uint32_t shares[3] = {unsignedPurse * 6 / 10, unsignedPurse * 3 / 10, unsignedPurse / 10};
        horse.earningsHistory[0] = k < 3 ? shares[k] : 0;
        horse.finishHistory[0] = static_cast<std::uint8_t>(k + 1);
        horse.timeHistory[0] = static_cast<std::uint16_t>(finishTimeByPlace[k] & 0xFFFF);

        double& odds = statistics[index].ratingOdds;
        odds = k == 0 ? (odds + 1.0) * 0.5 : odds + 1.0;
        horse.oddsHistory[0] = static_cast<float>(odds);
        horse.lastPurse = purse;
    }
}

} // namespace galloria
