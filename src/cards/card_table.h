#pragma once

#include <bitset>
#include <string>

#include "cards/card.h"

namespace dravicor {

class Pile;

// The 104 card records. A record is 20 characters: the card's name padded to
// 15 ("CUORI_A", "PICCH_10"), its suit digit, its three-digit number and its
// face flag ("1" up, "0" down). The face flag is the only per-card state, so
// that is all the table stores; the records are composed on request.
class CardTable {
public:
    static constexpr int kRecordLength = 20;

    // All cards face up, as at start-up.
    CardTable() { faceDown_.reset(); }

    // The record of card 1 to 104 (entry card - 1 of the table).
    std::string CardRecord(int card) const;

    bool IsFaceUp(int card) const { return IsCard(card) && !faceDown_[card - 1]; }
    bool IsFaceDown(int card) const { return IsCard(card) && faceDown_[card - 1]; }
    // Cards outside 1 to 104 have no record and are ignored.
    void SetFaceUp(int card, bool up) {
        if (IsCard(card)) faceDown_[card - 1] = !up;
    }
    // The face flag character of a card: '1' up, '0' down.
    char FaceFlag(int card) const { return IsFaceDown(card) ? '0' : '1'; }

    // Sets the face flags of a pile: count >= 1 flags the topmost count cards;
    // -1 alternates from the bottom (1st, 3rd, ... up, the others down); -2 the
    // opposite alternation; 0 or below -2 changes nothing. Empty slots are
    // skipped.
    void SetPileFaces(const Pile& pile, int count, bool up);

    friend bool operator==(const CardTable&, const CardTable&) = default;

private:
    std::bitset<kCardCount> faceDown_;
};

}  // namespace dravicor
