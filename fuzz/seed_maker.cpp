// Writes the seed corpora of the fuzz harnesses with the game's own writers
// and its starting stable, plus the damaged files the readers must survive:
//   galloria-fuzz-seed-maker STARTING_STABLE CORPUS_FOLDER
#include "betting/race_set_state.h"
#include "game/unfinished_game_file.h"
#include "halloffame/score_file.h"
#include "stable/horse_record.h"
#include "stable/owners.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace galloria;

void Write(const fs::path& folder, const std::string& name, const std::string& bytes)
{
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string WithCrOnly(std::string text)
{
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at + 1, 1);
    return text;
}

void StableSeeds(const std::string& stable, const fs::path& out)
{
    const fs::path folder = out / "stable_file";
    Write(folder, "three_horses", stable.substr(0, 3 * kHorseRecordSize));
    Write(folder, "a_set_of_horses", stable.substr(0, 121 * kHorseRecordSize));
    Write(folder, "ends_in_part_of_a_record", stable.substr(0, 2 * kHorseRecordSize + 100));
    std::string unended = stable.substr(0, kHorseRecordSize);
    for (std::size_t i = 0; i < kHorseNameSize; ++i)
        unended[i] = static_cast<char>(0x80 + i);
    Write(folder, "name_without_its_end", unended);

    // The draw's input: a stable size, a seed, then speed and largest win of
    // each horse, here of the starting stable's first horses.
    const fs::path draw = out / "program_draw";
    for (const int count : {120, 150, 200, 400}) {
        std::string bytes;
        const int sizeCode = count - 120;
        bytes += static_cast<char>(sizeCode & 0xFF);
        bytes += static_cast<char>(sizeCode >> 8);
        bytes += std::string("\x01\x00\x00\x00", 4);
        for (int h = 0; h < count && (h + 1) * kHorseRecordSize <= stable.size(); ++h) {
            const HorseRecord horse = DecodeHorseRecord(reinterpret_cast<const std::uint8_t*>(stable.data()) +
                                                        h * kHorseRecordSize);
            std::uint32_t hiWin = 0;
            for (const std::uint32_t won : horse.earningsHistory)
                hiWin = std::max(hiWin, won);
            bytes += static_cast<char>(horse.speed);
            bytes += static_cast<char>(std::min<std::uint32_t>(hiWin / 100, 255));
        }
        Write(draw, "starting_stable_" + std::to_string(count), bytes);
    }
    Write(draw, "all_of_one_speed", std::string("\x00\x00\x07\x00\x00\x00\x5F\x00", 8));
}

void OwnerSeeds(const fs::path& out)
{
    const fs::path folder = out / "owner_files";
    const std::vector<std::string> owners = {"Ann Bay", "Bo Cole", "Zo\xC3\xAB Dunn", std::string(29, 'w')};
    const std::string ownerFile = FormatOwnerFile(owners);
    Write(folder, "owners", std::string(1, '\0') + ownerFile);
    Write(folder, "owners_cr_only", std::string(1, '\0') + WithCrOnly(ownerFile));
    Write(folder, "owners_after_an_empty_line", std::string(1, '\0') + "Ann\r\n\r\nBo\r\n");
    Write(folder, "owners_of_stray_bytes", std::string(1, '\0') + std::string(300, '\x80') + "\r\n   \r\n");
    const std::vector<OwnerRelation> relations = {{"Thunderbolt", "Ann Bay"},
                                                  {"A Horse With A Long Name", "Bo Cole"},
                                                  {"Thunderbolt", "Zo\xC3\xAB Dunn"}};
    const std::string relationFile = FormatRelationFile(relations);
    Write(folder, "relations", "\x01" + relationFile);
    Write(folder, "relations_cr_only", "\x01" + WithCrOnly(relationFile));
    Write(folder, "relations_with_a_damaged_line", "\x01" + relationFile + "no tab here\r\n" + relationFile);
    Write(folder, "relations_of_stray_bytes",
          "\x01" + std::string(80, '\x80') + "\t" + std::string(80, '\xBF'));
}

void ScoreSeeds(const fs::path& out)
{
    const fs::path folder = out / "score_file";
    ScoreTable table = VacantScoreTable();
    Write(folder, "empty_lists", EncodeScoreTable(table));
    for (int row = 0; row < 3; ++row) {
        for (int list = 0; list < kScoreListCount; ++list) {
            ScoreEntry& entry = table[row][list];
            entry.date.Set("12-31-2003");
            entry.name.Set(row == 0 ? "Ann & Bo & Cy & Di" : "Player " + std::to_string(row));
            entry.value.Set(std::to_string(30000 - 1000 * row - list));
            entry.races.Set("10");
        }
    }
    const std::string played = EncodeScoreTable(table);
    Write(folder, "played_lists", played);
    Write(folder, "short_file", played.substr(0, 1000));
}

void GameFileSeeds(const fs::path& out)
{
    const fs::path folder = out / "game_file";
    RaceSetState state;
    state.raceIndex = 3;
    state.raceCounter = 13;
    state.raceSettled = true;
    state.players[0].name = "Ann";
    state.players[0].balance = 12500;
    state.players[0].balanceAfterRace[0] = 9800;
    state.players[0].statistics.betsPlaced[1] = 4;
    state.players[0].statistics.amountWon[1] = 120;
    state.players[2].name = "Zo\xC3\xAB 50%";
    state.players[2].balance = 7300;
    const std::string saved = FormatUnfinishedGame(state, "3-7-2003");
    Write(folder, "two_players", saved);
    Write(folder, "two_players_cr_only", WithCrOnly(saved));
    Write(folder, "cut_short", saved.substr(0, saved.size() / 2));
    state.raceIndex = 9;
    state.raceCounter = 29;
    Write(folder, "after_the_tenth_race", FormatUnfinishedGame(state, "12-31-2003"));
    Write(folder, "one_long_line", std::string(70000, '7'));
    Write(folder, "name_of_stray_bytes", "3-7-2003 0 0 " + std::string(3000, '\x80') + " 1 2");
}

void SettingsSeeds(const fs::path& out)
{
    const fs::path folder = out / "settings";
    const auto ints = [](std::initializer_list<std::int32_t> values) {
        std::string bytes;
        for (const std::int32_t value : values) {
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
        }
        return bytes;
    };
    Write(folder, "defaults",
          ints({0, 0, 5, 0, 0, 3, 1, 0, 0}) + std::string("Ann\0Bo\0Not In Game\0\0"
                                                          "03",
                                                          23));
    Write(folder, "out_of_range",
          ints({-7, 9, 99, -1, 12, 0, 2, -5, 2147483647}) +
              std::string("a name far too long\0\0\0\0../x", 28));
    Write(folder, "an_export",
          ints({1, 1, 10, 2, 2, 1, 0, 4711, -2147483647 - 1}) +
              std::string("Ann\0\0\0\0"
                          "10\0Ann\0Bay\0Oslo\0Norway\0ann@example.org",
                          46));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s STARTING_STABLE CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string stable{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (stable.size() < 400 * kHorseRecordSize) {
        std::fprintf(stderr, "%s is not the starting stable\n", argv[1]);
        return 1;
    }
    const fs::path out = argv[2];
    StableSeeds(stable, out);
    OwnerSeeds(out);
    ScoreSeeds(out);
    GameFileSeeds(out);
    SettingsSeeds(out);
    return 0;
}
