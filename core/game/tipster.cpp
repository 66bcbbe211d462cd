#include "game/tipster.h"

#include "base/game_random.h"
#include "base/screen_text.h"
#include "betting/bet.h"

#include <array>

namespace galloria {

namespace {

// Each praise holds the horse's name as %1 and brings its own punctuation.
constexpr std::array<ScreenText, 10> kPraise = {
    SCREEN_TEXT("Tipster", "%1 looks very good. "),
    SCREEN_TEXT("Tipster", "%1 is looking smart. "),
    SCREEN_TEXT("Tipster", "%1. Now dats a horse. "),
    SCREEN_TEXT("Tipster", "%1. She's a bueat. "),
    SCREEN_TEXT("Tipster", "%1. Something special 'bout dis one. "),
    SCREEN_TEXT("Tipster", "%1 looked good dis mornin'. "),
    SCREEN_TEXT("Tipster", "%1. Da eagle has landed. "),
    SCREEN_TEXT("Tipster", "%1 is goin' All... The... Way... "),
    SCREEN_TEXT("Tipster", "%1's got dat look in her eye. "),
    SCREEN_TEXT("Tipster", "%1 is the cat's meow. "),
};

constexpr std::array<ScreenText, 10> kClosing = {
    SCREEN_TEXT("Tipster", "Ya don wana tell nobody, hear!"),
    SCREEN_TEXT("Tipster", "I heard it right from da horse's mouth!"),
    SCREEN_TEXT("Tipster", "Dis one's gonna pay some good dough!"),
    SCREEN_TEXT("Tipster", "Take it if ya know what's good for ya!"),
    SCREEN_TEXT("Tipster", "Don't think dis makes us friends!"),
    SCREEN_TEXT("Tipster", "The jockey's an old friend o' mine"),
    SCREEN_TEXT("Tipster", "I heard it from a friend of a friend!"),
    SCREEN_TEXT("Tipster", "Listen to me now and believe me later!"),
    SCREEN_TEXT("Tipster", "Dis is da big one! Get ready to cash in!"),
    SCREEN_TEXT("Tipster", "Read my lips! Dis one's gonna win!"),
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
    std::string text = FillIn(Tr(kPraise[random.Next() % kPraise.size()]), {horseName});
    text += Tr(kClosing[random.Next() % kClosing.size()]);
    return text;
}

} // namespace galloria
