#include "game/tipster.h"

#include "base/game_random.h"
#include "betting/bet.h"

#include <array>

namespace galloria {

namespace {

// Each praise follows the name directly, so it brings its own punctuation.
constexpr std::array<std::string_view, 10> kPraise = {
    " looks very good. ",
    " is looking smart. ",
    ". Now dats a horse. ",
    ". She's a bueat. ",
    ". Something special 'bout dis one. ",
    " looked good dis mornin'. ",
    ". Da eagle has landed. ",
    " is goin' All... The... Way... ",
    "'s got dat look in her eye. ",
    " is the cat's meow. ",
};

constexpr std::array<std::string_view, 10> kClosing = {
    "Ya don wana tell nobody, hear!",           "I heard it right from da horse's mouth!",
    "Dis one's gonna pay some good dough!",     "Take it if ya know what's good for ya!",
    "Don't think dis makes us friends!",        "The jockey's an old friend o' mine",
    "I heard it from a friend of a friend!",    "Listen to me now and believe me later!",
    "Dis is da big one! Get ready to cash in!", "Read my lips! Dis one's gonna win!",
};

} // namespace

int DrawTippedRunner(std::span<const double> fieldOdds, GameRandom& random)
{
    if (fieldOdds.empty())
        return -1;
    const int runner = static_cast<int>(random.Next() % fieldOdds.size());
    const bool inTheMood = random.Next() % 3 == 0;
    return inTheMood && IsLongShot(fieldOdds[runner]) ? runner : -1;
}

std::string DrawTipText(std::string_view horseName, GameRandom& random)
{
    std::string text(horseName);
    text += kPraise[random.Next() % kPraise.size()];
    text += kClosing[random.Next() % kClosing.size()];
    return text;
}

} // namespace galloria
