#include "sim_help.h"

#include <array>
#include <utility>

namespace galloria::sim {

namespace {

constexpr std::string_view kGeneralUsage =
    "usage:\n"
    "  galloria-sim race --seed S --horse SPD,SPR,STA,SPO [--horse ...] [--gait G1,G2,...] [--tipped K] "
    "[--json | --call]\n"
    "  galloria-sim race --seed S --stable PATH --field N1,N2,... [--gait G1,G2,...] [--tipped K]\n"
    "                    [--json | --call]\n"
    "  galloria-sim odds --runs N --seed S (--horse ... | --stable PATH --field N1,N2,...) [--threads T]\n"
    "                    [--json]\n"
    "  galloria-sim stable PATH\n"
    "  galloria-sim set --seed S --players NAME[,NAME...] [--strategy none|favourite|longshot|mixed]\n"
    "                   [--stake N] [--sets K] [--odds 1|2|3] [--dir PATH] [--stable PATH] [--json]\n"
    "  galloria-sim bench [--stable PATH]\n"
    "  galloria-sim play FILE|- [--dir PATH] [--stable PATH] [--settings PATH]\n"
    "  galloria-sim COMMAND --help\n"
    "\n"
    "  race    runs one race from the gate to the finish and prints the finish\n"
    "  odds    runs N races of one field and prints each runner's share of wins,\n"
    "          top-two and top-three finishes and its mean time\n"
    "  stable  lists the horses of a stable file with their statistics\n"
    "  set     plays K whole race sets of one to four players in the game folder\n"
    "          PATH (default: here), betting N dollars a bet by the strategy\n"
    "  bench   runs a fixed list of seeded races and sets and prints their\n"
    "          signature and the time they took\n"
    "  play    plays a script of a player's commands against the game and\n"
    "          prints what the game showed, checking the script's expectations\n"
    "\n"
    "  Characteristics are 0..100; stride phases 0..10; K is a runner index from 0\n"
    "  (-1 for none); horse numbers in --field count from 1; 1 to 12 runners.\n"
    "  The same seed gives the same output on every run and every machine.\n"
    "  Exit status: 0 done, 1 a stable file that is missing or malformed,\n"
    "  2 bad arguments.\n";

constexpr std::string_view kRaceUsage =
    "usage:\n"
    "  galloria-sim race --seed S --horse SPD,SPR,STA,SPO [--horse ...] [--gait G1,G2,...] [--tipped K] "
    "[--json | --call]\n"
    "  galloria-sim race --seed S --stable PATH --field N1,N2,... [--gait G1,G2,...] [--tipped K]\n"
    "                    [--json | --call]\n"
    "\n"
    "Seeds the game's random generator with S, draws each runner's stride phase\n"
    "(unless --gait gives them), runs the race to its end and prints the finish:\n"
    "place, post position, horse and time (minutes, seconds and fifths of a second).\n"
    "\n"
    "  --seed S              the seed, 0 to 4294967295\n"
    "  --horse SPD,SPR,STA,SPO\n"
    "                        one runner by speed, sprint, stamina and spontaneity\n"
    "                        (0..100); give it once per runner, 1 to 12 runners\n"
    "  --stable PATH         a stable file to take the runners from ...\n"
    "  --field N1,N2,...     ... by horse number, counted from 1\n"
    "  --gait G1,G2,...      each runner's stride phase (0..10) instead of drawn ones\n"
    "  --tipped K            runner K (counted from 0) is tipped; -1 for none\n"
    "  --json                one line {\"order\":[...],\"times\":[...],\"ticks\":N}: runner\n"
    "                        indexes from 0 by place, finishing times in fifths of a\n"
    "                        second by place, and the tick in which the race was over\n"
    "  --call                the race call instead of the finish: each call on a line\n"
    "                        after its tick, as the track's caller says it in race 1\n";

constexpr std::string_view kOddsUsage =
    "usage:\n"
    "  galloria-sim odds --runs N --seed S --horse SPD,SPR,STA,SPO [--horse ...] [--threads T] [--json]\n"
    "  galloria-sim odds --runs N --seed S --stable PATH --field N1,N2,... [--threads T] [--json]\n"
    "\n"
    "Seeds once and runs N races of the field, each with freshly drawn stride\n"
    "phases, and prints each runner's share of wins, top-two and top-three\n"
    "finishes and its mean time.\n"
    "\n"
    "  --runs N              how many races, 1 to 1000000\n"
    "  --seed S              the seed, 0 to 4294967295\n"
    "  --horse SPD,SPR,STA,SPO\n"
    "                        one runner by its characteristics (0..100), once per\n"
    "                        runner, 1 to 12 runners\n"
    "  --stable PATH         a stable file to take the runners from ...\n"
    "  --field N1,N2,...     ... by horse number, counted from 1\n"
    "  --threads T           shares the races out among T threads; the result is\n"
    "                        the same for every T\n"
    "  --json                one line {\"win\":[...],\"place\":[...],\"show\":[...],\n"
    "                        \"mean_time\":[...]} by runner\n";

constexpr std::string_view kStableUsage =
    "usage:\n"
    "  galloria-sim stable PATH\n"
    "\n"
    "Lists every horse of the stable file PATH with its best time, firsts,\n"
    "seconds, thirds, earnings, highest win and characteristics. A missing or\n"
    "malformed file prints what is wrong and exits with 1.\n";

constexpr std::string_view kSetUsage =
    "usage:\n"
    "  galloria-sim set --seed S --players NAME[,NAME...] [--strategy none|favourite|longshot|mixed]\n"
    "                   [--stake N] [--sets K] [--odds 1|2|3] [--dir PATH] [--stable PATH] [--json]\n"
    "\n"
    "Plays K whole sets of ten races in a game folder with the race view set to\n"
    "None and leaves the game's own files there: data/Stable.dat and\n"
    "data/BackUp.dat, Program.txt, Result01.txt ..., AutoSaved.gxu and\n"
    "GXscores.gxs. Each race prints its winner, the prices of a two-dollar ticket\n"
    "and every player's balance; each set ends with the results grid.\n"
    "\n"
    "  --seed S              the seed, 0 to 4294967295\n"
    "  --players A,B,...     one to four names of up to 10 letters without blanks\n"
    "  --strategy WHICH      how the players bet at the betting window: none,\n"
    "                        favourite (a Win on the shortest odds), longshot (a Win\n"
    "                        on the longest) or mixed (every bet type each race);\n"
    "                        default none\n"
    "  --stake N             dollars a bet while the money lasts, default 100\n"
    "  --sets K              sets to play, default 1; the second and later through\n"
    "                        Continue Racing, so a set that ends without money ends\n"
    "                        the run\n"
    "  --odds 1|2|3          the game's odds accuracy, default 3\n"
    "  --dir PATH            the game folder, default the current one\n"
    "  --stable PATH         the stable file a folder without one starts from\n"
    "  --json                one line per race and one per set\n"
    "\n"
    "The same command gives the same output and the same files, apart from the\n"
    "dates in them, every time.\n";

constexpr std::string_view kBenchUsage =
    "usage:\n"
    "  galloria-sim bench [--stable PATH]\n"
    "\n"
    "Runs a fixed list of seeded races and race sets and prints one line: the\n"
    "signature of their results and the time they took. The signature is the same\n"
    "on every machine; a change to the engine that alters it changes the races.\n"
    "The sets start from the stable file PATH (default: resources/stable/Stable.dat,\n"
    "as found from the source folder).\n";

constexpr std::string_view kPlayUsage =
    "usage:\n"
    "  galloria-sim play FILE|- [--dir PATH] [--stable PATH] [--settings PATH]\n"
    "\n"
    "Plays the script FILE (- reads standard input) against the game as a player\n"
    "at the window would, and prints a transcript: each command, then what the\n"
    "game showed (message boxes with their answers, notices, titles, tips, bets\n"
    "bought or refused, each race's winner, prices and balances, set results and\n"
    "the files written). Exit status: 0 when every expectation held, 1 when one\n"
    "failed (the rest still run), 2 for a script that cannot be understood\n"
    "(nothing is run).\n"
    "\n"
    "  --dir PATH            the game folder, kept afterwards; default a fresh\n"
    "                        temporary folder, removed afterwards\n"
    "  --stable PATH         the stable file a folder without one starts from\n"
    "                        (default resources/stable/Stable.dat)\n"
    "  --settings PATH       an INI file as the settings store; default one in\n"
    "                        memory for the whole script\n"
    "\n"
    "One command per line; words are separated by blanks, a \"quoted text\" may hold\n"
    "blanks (and \\n, \\\" and \\\\), # starts a comment. PLAYER is a player's name.\n"
    "A command that answers a dialog is queued before the command that opens it.\n"
    "\n"
    "  seed N                the generator is seeded with N, and the next-race\n"
    "                        steps take N, N+1, ... instead of the clock\n"
    "  names A, B, C, D      the next names dialog's four boxes (an empty box\n"
    "                        leaves the slot out); names cancel cancels it\n"
    "  menu NAME [FILE]      a menu command by its MenuCommand name:\n"
    "                        StartNewRaceSet, ContinueLastSet, Open FILE, Save FILE,\n"
    "                        PauseRace, QuitRaceSet, GameOptions, HallOfFame,\n"
    "                        BettingWindow, LiveOdds, TrackRacingForm (or\n"
    "                        ShowRacingForm), RaceOrNextRace, ShowNextPhoto,\n"
    "                        FinishResults, HowDidIDo, SummaryRacingForm,\n"
    "                        HelpContents, About, ReplayRace; refused when greyed\n"
    "  race                  menu RaceOrNextRace\n"
    "  answer yes|no|ok|cancel|retry\n"
    "                        the answer to the next message box; unqueued, a box\n"
    "                        gets OK (Yes), and Cancel where it offers Retry\n"
    "  results continue|stop the next race-set results (unqueued: stop)\n"
    "  bet PLAYER AMOUNT TYPE LEG [LEG [LEG]] [box]\n"
    "                        buys a bet at the betting window with its keys; TYPE\n"
    "                        is win, place, show, across, exacta or triacta; a LEG\n"
    "                        is a post number, All or Long\n"
    "  review-delete PLAYER N\n"
    "                        deletes the player's Nth bet in the review window\n"
    "  options KEY=VALUE ... the options dialog saved with these settings (SoundOn,\n"
    "                        Sort, Speed, View, Graphic, Odds, Owner, as stored)\n"
    "  options reset         the hall-of-fame reset in the options dialog\n"
    "  add-horse \"NAME\" SPEED SPRINT STAMINA SPONTANEITY [OWNER]\n"
    "  delete-horses N,...   horses by their numbers in the database, from 1\n"
    "  enter-horses N,...    horses entered in the next race\n"
    "  restart               the program is closed and started again\n"
    "  print                 the race, the phase and each player's balance\n"
    "  expect balance PLAYER N | expect payout PLAYER N | expect race N\n"
    "  expect phase none|betting|racing|results | expect message \"TEXT\"\n"
    "  expect menu NAME enabled|greyed | expect file NAME absent|present|size N\n"
    "  expect hall LIST ROW \"NAME\" VALUE (LIST by its tab text) | expect horses N\n"
    "  expect set-end \"TITLE\"|none | expect message none\n"
    "  expect title \"TEXT\"   the window's title now\n"
    "  expect set-result PLAYER START FINISH\n"
    "                        the player's column of the last set results\n"
    "  expect setting KEY VALUE\n"
    "                        the settings store's value (SoundOn, Speed, Player1...)\n"
    "  expect players N      players in the set\n"
    "  expect runner POST \"NAME\"\n"
    "                        the horse at a post of the race shown\n"
    "  expect field N | expect odds POST \"ODDS\"\n"
    "                        the race shown: its runners, and a post's odds as\n"
    "                        the racing form shows them (\"9:2\")\n"
    "  expect board PLACE \"NAME\" \"OWNER\"\n"
    "                        a row of the last race's payout board: the horse in\n"
    "                        that place and its owner (\"\" with ownership off)\n"
    "  expect horse N \"HEADING\" \"TEXT\"\n"
    "                        a cell of horse N in the horse database, opened\n"
    "                        as LIST ALL HORSES opens it\n"
    "  expect names-shown \"A\" \"B\" \"C\" \"D\"\n"
    "                        the boxes the last names dialog opened with\n"
    "  expect file-line NAME N \"TEXT\"\n"
    "                        line N of a file in the game folder\n"
    "  expect shown messages|notices|set-results|betting-windows|sounds N\n"
    "                        how many the game showed (sounds: every request to\n"
    "                        play or stop one) since the script began\n"
    "  expect sound on|off\n"
    "  expect played SOUND N\n"
    "                        how often the sound file SOUND (gxcheer.wav) was\n"
    "                        started since the script began\n"
    "  expect menu POPUP enabled|greyed\n"
    "                        a popup by its title: Game, Stable, Track, Summary, Help\n"
    "\n"
    "A failed expectation prints FAILED line N: expected ..., got ...\n";

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kCommandUsages = {{
    {"race", kRaceUsage},
    {"odds", kOddsUsage},
    {"stable", kStableUsage},
    {"set", kSetUsage},
    {"bench", kBenchUsage},
    {"play", kPlayUsage},
}};

} // namespace

std::string_view GeneralUsage()
{
    return kGeneralUsage;
}

std::string_view CommandUsage(std::string_view command)
{
    for (const auto& [name, usage] : kCommandUsages) {
        if (name == command)
            return usage;
    }
    return {};
}

} // namespace galloria::sim
