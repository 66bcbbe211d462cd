#pragma once

#include "base/sound_effect.h"
#include "betting/bet.h"
#include "betting/pool_book.h"

#include <optional>
#include <string>
#include <vector>

namespace galloria {

// What one player action in a betting dialog did: whether it changed
// anything, the sound the dialog should play (the models never play one), a
// text to show the player (empty for none), and whether the dialog should
// close now.
struct BetActionResult {
    bool applied = false;
    std::optional<SoundEffect> sound{};
    std::string message{};
    bool closesWindow = false;
};

// The rules behind the review list, where the player who is current at the
// betting window looks through the bets bought for the coming race and
// deletes any of them, getting the stake back. It works on a copy of that
// player's table; the refund and the pool changes of its deletions are
// handed back in one step when it closes (CloseInto), so deletions stand
// whichever way the list is left.
class ReviewBetsModel {
public:
    // A closed model lists nothing and refuses every action.
    ReviewBetsModel() = default;

    // Starts a review of a copy of bets, for a race of runnerCount runners:
    // no refund, no pool changes, no line selected.
    void Open(const BetTable& bets, int runnerCount);
    bool IsOpen() const { return open_; }

    // The list: the stored bet line of each bought bet, in order of purchase.
    int LineCount() const { return static_cast<int>(bets_.Bought().size()); }
    std::vector<std::string> Lines() const;

    // Selects one line, or none for -1 or any index that is not a line.
    void Select(int line);
    int SelectedLine() const { return selected_; }

    // DELETE BET: removes the selected bet, adds its stake to the refund and
    // takes exactly its pool contribution out again; the later bets move up
    // and the selection is cleared. With no line selected nothing changes.
    bool CanDeleteBet() const;
    BetActionResult DeleteBet();

    const BetTable& Bets() const { return bets_; }
    int Refund() const { return refund_; }
    const DeltaPools& Delta() const { return delta_; }

    // Closing: replaces table with the reviewed copy, adds the refund to
    // balance and the pool changes to windowDelta, then closes the model.
    // False, and nothing written, when the model was not open, so a review
    // is never applied twice.
    bool CloseInto(BetTable& table, int& balance, DeltaPools& windowDelta);

private:
    bool open_ = false;
    BetTable bets_{};
    int runnerCount_ = 0;
    int refund_ = 0;
    int selected_ = -1;
    DeltaPools delta_{};
};

// Adds every cell of from into into.
void AddDeltaPools(DeltaPools& into, const DeltaPools& from);

} // namespace galloria
