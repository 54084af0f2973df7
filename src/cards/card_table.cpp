#include "cards/card_table.h"

#include "cards/pile.h"

namespace dravicor {

std::string CardText(int card) {
    std::string text = std::to_string(card);
    return text.size() >= 3 ? text : std::string(3 - text.size(), '0') + text;
}

std::string CardTable::CardRecord(int card) const {
    static constexpr const char* kSuitWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static constexpr const char* kRankTokens[] = {"A",  "02", "03", "04", "05", "06", "07",
                                                  "08", "09", "10", "J",  "Q",  "K"};
    if (!IsCard(card)) return {};
    std::string record = std::string(kSuitWords[CardSuit(card) - 1]) + "_" + kRankTokens[CardRank(card) - 1];
    record.resize(15, ' ');
    record += static_cast<char>('0' + CardSuit(card));
    record += CardText(card);
    record += FaceFlag(card);
    return record;
}

void CardTable::SetPileFaces(const Pile& pile, int count, bool up) {
    const int size = pile.size();
    if (count >= 1) {
        for (int i = count >= size ? 0 : size - count; i < size; ++i) SetFaceUp(pile[i], up);
    } else if (count == -1 || count == -2) {
        // Alternation counted from the bottom group of the pile; with -1 the
        // first group is face up.
        for (int i = 0; i < size; ++i) {
            const bool odd = i % 2 == 0;  // 1st, 3rd, 5th ... group
            SetFaceUp(pile[i], count == -1 ? odd : !odd);
        }
    }
}

}  // namespace dravicor
