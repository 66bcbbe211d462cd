#include "betting/bet_line.h"

#include "base/screen_text.h"
#include "base/text_cut.h"

namespace galloria {

namespace {

// Pads by letters, not bytes, so "Placé" or "José" keeps the columns after it in line.
void AppendPadded(std::string& line, std::string_view field, std::size_t width)
{
    line += field;
    const std::size_t letters = LetterCount(field);
    if (letters < width)
        line.append(width - letters, ' ');
}

} // namespace

std::string ComposeBetLine(const BetLineFields& fields)
{
    std::string line;
    AppendPadded(line, fields.playerName, 14);
    AppendPadded(line, fields.amount, 8);
    AppendPadded(line, fields.type, 7);
    AppendPadded(line, fields.boxedMark, 5);
    AppendPadded(line, fields.leg1, 4);
    AppendPadded(line, fields.leg2, 4);
    line += fields.leg3;
    return line;
}

std::string BoxedMark(bool boxed)
{
    return boxed ? Tr("BetType", " Bx") : std::string();
}

std::string BetLineOf(std::string_view playerName, const Bet& bet)
{
    const std::string amount = bet.amount > 0 ? std::to_string(bet.amount) : std::string();
    std::string legs[3];
    for (int i = 0; i < LegCount(bet.type); ++i)
        legs[i] = HorseSelectorScreenText(bet.horse[i]);
    const std::string type = bet.type == BetType::Bad ? std::string() : BetTypeScreenText(bet.type);
    const std::string boxedMark = BoxedMark(bet.boxed);

    return ComposeBetLine({
        .playerName = playerName,
        .amount = amount,
        .type = type,
        .boxedMark = boxedMark,
        .leg1 = legs[0],
        .leg2 = legs[1],
        .leg3 = legs[2],
    });
}

} // namespace galloria
