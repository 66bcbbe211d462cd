#include "horse_names.h"

#include "base/game_random.h"

#include <array>
#include <set>
#include <string_view>

namespace galloria::maker {

namespace {

constexpr std::array<std::string_view, 84> kFirstWords = {
    "Silver",   "Golden",  "Midnight", "Copper",   "Velvet",  "Amber",   "Scarlet",  "Misty",   "Stormy",
    "Royal",    "Lucky",   "Gentle",   "Bold",     "Brave",   "Quiet",   "Wild",     "Rapid",   "Flying",
    "Laughing", "Rolling", "Merry",    "Honest",   "Clever",  "Sweet",   "Bright",   "Dusty",   "Frosty",
    "Sunny",    "Windy",   "Autumn",   "Winter",   "Summer",  "Morning", "Evening",  "Harbour", "Highland",
    "Meadow",   "Valley",  "River",    "Cedar",    "Willow",  "Maple",   "Hazel",    "Thistle", "Heather",
    "Juniper",  "Saffron", "Cobalt",   "Indigo",   "Crimson", "Ivory",   "Ebony",    "Jade",    "Ruby",
    "Sapphire", "Topaz",   "Granite",  "Marble",   "Captain", "Duke of", "Lady",     "Sir",     "Miss",
    "Master",   "Little",  "Grand",    "Paper",    "Lantern", "Orchard", "Prairie",  "Coastal", "Tidal",
    "Clover",   "Bramble", "Foggy",    "Cheerful", "Daring",  "Humble",  "Restless", "Wistful", "Kingfisher",
    "Moonlit",  "Starry",  "Painted",
};

constexpr std::array<std::string_view, 72> kSecondWords = {
    "Arrow",   "Breeze",  "Comet",   "Echo",    "Falcon",  "Gale",     "Harvest", "Island",   "Jester",
    "Kestrel", "Lark",    "Legend",  "Melody",  "Monarch", "Nomad",    "Oak",     "Piper",    "Quest",
    "Rambler", "Rider",   "Sparrow", "Spirit",  "Tempest", "Thunder",  "Voyager", "Wanderer", "Whisper",
    "Zephyr",  "Promise", "Fortune", "Gambit",  "Ribbon",  "Mirage",   "Banner",  "Crown",    "Dream",
    "Flame",   "Glory",   "Journey", "Kingdom", "Lullaby", "Meteor",   "Mist",    "Pilot",    "Rhapsody",
    "Secret",  "Shadow",  "Sonnet",  "Storm",   "Summit",  "Sunset",   "Tide",    "Trail",    "Treasure",
    "Tune",    "Valour",  "Wish",    "Harmony", "Ember",   "Feather",  "Compass", "Horizon",  "Minstrel",
    "Orchid",  "Pebble",  "Riddle",  "Saddle",  "Thimble", "Wildfire", "Waltz",   "Wren",     "Beacon",
};

constexpr std::array<std::string_view, 24> kNicknames = {
    "Molly",  "Archie", "Rosie", "Barney", "Tilly", "Ned",    "Polly",  "Ollie",
    "Hattie", "Alfie",  "Nell",  "Rufus",  "Daisy", "Percy",  "Bonnie", "Toby",
    "Maisie", "Fergus", "Elsie", "Monty",  "Ivy",   "Jasper", "Mabel",  "Gus",
};

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& words, GameRandom& random)
{
    return words[static_cast<std::size_t>(random.Next()) % N];
}

// One name: mostly two words, sometimes a possessive ("Molly's Promise").
// The lists leave out the words of famous champions, so no real horse is named.
std::string MakeName(GameRandom& random)
{
    std::string name;
    if (random.Next() % 5 == 0) {
        name = std::string(Pick(kNicknames, random)) + "'s";
    } else {
        name = std::string(Pick(kFirstWords, random));
    }
    name += ' ';
    name += Pick(kSecondWords, random);
    return name;
}

} // namespace

std::vector<std::string> MakeHorseNames(GameRandom& random, int count)
{
    std::vector<std::string> names;
    std::set<std::string> taken;
    while (static_cast<int>(names.size()) < count) {
        std::string name = MakeName(random);
        if (name.size() > 29 || !taken.insert(name).second)
            continue;
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace galloria::maker
