#include "ini_settings_store.h"
#include "play_runner.h"
#include "play_script.h"
#include "scratch_folder.h"
#include "sim_commands.h"
#include "sim_field.h"
#include "sim_set.h"

#include "base/settings_store.h"

#include <fstream>
#include <iostream>
#include <memory>

namespace galloria::sim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultStable = "resources/stable/Stable.dat";

std::vector<PlayStep> ReadScript(const std::string& name)
{
    try {
        if (name == "-")
            return ParsePlayScript(std::cin);
        std::ifstream file(name, std::ios::binary);
        if (!file)
            throw FieldError("cannot read the script " + name);
        return ParsePlayScript(file);
    } catch (const ScriptError& error) {
        throw UsageError(name + " " + error.what());
    }
}

} // namespace

int RunPlayCommand(const SimArguments& arguments, std::ostream& out)
{
    if (arguments.positional.size() != 1)
        throw UsageError("play needs one script: FILE, or - for standard input");
    if (arguments.seed || !arguments.horses.empty() || arguments.field || arguments.gait ||
        arguments.tipped || arguments.runs || arguments.threads || arguments.players || arguments.strategy ||
        arguments.stake || arguments.sets || arguments.odds || arguments.json)
        throw UsageError("play takes a script, --dir, --stable and --settings");
    const std::vector<PlayStep> steps = ReadScript(arguments.positional[0]);

    std::unique_ptr<ScratchFolder> scratch;
    fs::path folder;
    if (arguments.dir) {
        folder = *arguments.dir;
        std::error_code error;
        fs::create_directories(folder, error);
    } else {
        scratch = std::make_unique<ScratchFolder>("galloria-play-");
        folder = scratch->Path();
    }
    ProvideStable(folder, fs::path(arguments.stablePath.value_or(kDefaultStable)));

    std::unique_ptr<SettingsStore> store;
    if (arguments.settings)
        store = std::make_unique<IniSettingsStore>(*arguments.settings);
    else
        store = std::make_unique<MemorySettingsStore>();
    PlayRunner runner(folder, *store, out);
    return runner.Run(steps);
}

} // namespace galloria::sim
