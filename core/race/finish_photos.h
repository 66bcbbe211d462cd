#pragma once

namespace galloria {

// Which of the race's three finish photos ("WIN", "PLACE", "SHOW") the next
// capture fills and which one the payout board shows. A dead heat fills two
// slots from one frame; SHOW NEXT PHOTO steps round the three.
struct FinishPhotoSlots {
    static constexpr int kSlots = 3;
    int captured = 0; // the slot the next capture writes
    int shown = 0;    // the slot on the payout board

    // A new race: the first capture is the winner's.
    void NewRace() { captured = 0; }
    // The slot a capture writes; the next capture goes to the one after.
    int Capture()
    {
        const int slot = captured;
        captured = (captured + 1) % kSlots;
        return slot;
    }
    // FINISH RESULTS shows the winner's photo again.
    void ShowWinner() { shown = 0; }
    int ShowNext()
    {
        shown = (shown + 1) % kSlots;
        return shown;
    }
};

} // namespace galloria
