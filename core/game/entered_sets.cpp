#include "game/entered_sets.h"

#include "base/settings_store.h"
#include "game/unfinished_game_file.h"

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <vector>

namespace galloria {

namespace {

// The remembered fingerprints, oldest first, as the store holds them:
// separated by blanks.
std::vector<std::string> StoredFingerprints(const SettingsStore& store)
{
    std::istringstream in(store.GetString(kEnteredSetsSection, kEnteredSetsKey, ""));
    std::vector<std::string> fingerprints;
    for (std::string fingerprint; in >> fingerprint;)
        fingerprints.push_back(fingerprint);
    return fingerprints;
}

} // namespace

std::string SetEndFingerprint(const RaceSetState& state)
{
    // 64-bit FNV-1a: names, balances and statistics make two different sets
    // collide only by a freak.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : FormatUnfinishedGame(state, "")) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

bool SetAlreadyEntered(const SettingsStore& store, std::string_view fingerprint)
{
    for (const std::string& stored : StoredFingerprints(store)) {
        if (stored == fingerprint)
            return true;
    }
    return false;
}

void RememberEnteredSet(SettingsStore& store, std::string_view fingerprint)
{
    std::vector<std::string> fingerprints = StoredFingerprints(store);
    fingerprints.emplace_back(fingerprint);
    const std::size_t first =
        fingerprints.size() > kRememberedEnteredSets ? fingerprints.size() - kRememberedEnteredSets : 0;
    std::string text;
    for (std::size_t i = first; i < fingerprints.size(); ++i) {
        if (!text.empty())
            text += ' ';
        text += fingerprints[i];
    }
    store.SetString(kEnteredSetsSection, kEnteredSetsKey, text);
}

} // namespace galloria
