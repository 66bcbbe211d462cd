// galloria-sim --help and COMMAND --help, and the manual page that repeats them.
#include "../tools/sim_run.h"
#include "sim_help.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace galloria::sim {
namespace {

struct CommandHelp {
    std::string command;
    std::vector<std::string> mentions; // what its usage must name
};

const std::vector<CommandHelp> kCommands = {
    {"race",
     {"--seed", "--horse", "--stable", "--field", "--gait", "--tipped", "--json", "\"order\"", "--call"}},
    {"odds", {"--runs", "--seed", "--horse", "--stable", "--field", "--threads", "--json", "\"mean_time\""}},
    {"stable", {"PATH", "earnings"}},
    {"set",
     {"--seed", "--players", "--strategy", "--stake", "--sets", "--odds", "--dir", "--stable", "--json",
      "none", "favourite", "longshot", "mixed"}},
    {"bench", {"signature", "time"}},
};

TEST(SimHelp, EachCommandPrintsItsOwnUsageAndExitsZero)
{
    for (const CommandHelp& help : kCommands) {
        SCOPED_TRACE(help.command);
        const SimRun run = Sim({help.command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("usage:\n  galloria-sim " + help.command, 0), 0u) << run.out;
        for (const std::string& word : help.mentions)
            EXPECT_NE(run.out.find(word), std::string::npos) << "no " << word;
        // The usage of one command names no other.
        for (const CommandHelp& other : kCommands) {
            if (other.command == help.command)
                continue;
            EXPECT_EQ(run.out.find("galloria-sim " + other.command + " "), std::string::npos)
                << other.command;
        }
        // -h, "help COMMAND" and --help after other options say the same.
        EXPECT_EQ(Sim({help.command, "-h"}).out, run.out);
        EXPECT_EQ(Sim({"help", help.command}).out, run.out);
        EXPECT_EQ(Sim({help.command, "--seed", "7", "--json", "--help"}).out, run.out);
    }
}

TEST(SimHelp, GeneralUsageNamesEveryCommand)
{
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--help"}, {"-h"}, {"help"}, {"help", "nosuch"}}) {
        const SimRun run = Sim(words);
        EXPECT_EQ(run.status, 0) << words[0];
        EXPECT_EQ(run.out, GeneralUsage());
    }
    for (const CommandHelp& help : kCommands)
        EXPECT_NE(GeneralUsage().find("galloria-sim " + help.command), std::string_view::npos)
            << help.command;
}

TEST(SimHelp, HelpForAnUnknownCommandIsABadArgument)
{
    const SimRun run = Sim({"nosuch", "--help"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("unknown command \"nosuch\""), std::string::npos) << run.err;
    EXPECT_TRUE(CommandUsage("nosuch").empty());
    EXPECT_TRUE(CommandUsage("").empty());
}

// The manual page is written by hand: it must keep up with the usage.
TEST(SimHelp, ManualPageNamesEveryCommandAndOption)
{
    std::ifstream file(GALLORIA_SIM_MANUAL);
    ASSERT_TRUE(file) << GALLORIA_SIM_MANUAL;
    std::stringstream text;
    text << file.rdbuf();
    const std::string manual = text.str();

    std::set<std::string> options;
    std::string usage;
    for (const CommandHelp& help : kCommands)
        usage += std::string(CommandUsage(help.command));
    const std::regex option("--[a-z]+");
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator();
         ++it)
        options.insert(it->str());
    EXPECT_GE(options.size(), 15u);
    for (const std::string& name : options) {
        // roff writes a minus as \-.
        EXPECT_NE(manual.find("\\-\\-" + name.substr(2)), std::string::npos)
            << name << " is not in the manual";
    }
    for (const CommandHelp& help : kCommands)
        EXPECT_NE(manual.find(".B " + help.command + "\n"), std::string::npos) << help.command;
}

} // namespace
} // namespace galloria::sim
