#include "play/move.h"

namespace dravicor {

namespace {

const char* DealName(DealTarget deal) {
    switch (deal) {
        case DealTarget::Tableau: return "Add_Tableaus";
        case DealTarget::Reserves: return "Add_Reserves";
        case DealTarget::FillGaps: return "Fill_Tableaus";
        case DealTarget::EveryTableau: return "Add_Tableaus_Last";
    }
    return "?";
}

}  // namespace

std::string MoveText(const Move& move) {
    switch (move.kind) {
        case MoveKind::Card:
            return CardText(move.card) + " " + PileName(move.from) + " -> " + PileName(move.to) +
                   (move.byAutoplay ? " (autoplay)" : "");
        case MoveKind::TurnUp: return "turn " + CardText(move.card) + " on " + PileName(move.from);
        case MoveKind::StockClick: return "stock";
        case MoveKind::TurnStock: return "stock -> " + PileName(move.to);
        case MoveKind::Redeal: return "redeal";
        case MoveKind::ShuffleRedeal: return "shuffle-redeal";
        case MoveKind::Deal: return std::string("deal ") + DealName(move.deal);
        case MoveKind::Discard: return "discard";
        case MoveKind::RefillGaps: return "refill";
        case MoveKind::CloseGaps: return "close gaps";
        case MoveKind::Press: return "press " + CardText(move.card) + " on " + PileName(move.from);
        case MoveKind::Select: {
            std::string text = "press";
            for (int i = 0; i < move.count && i < Move::kMostPresses; ++i) {
                text += " " + CardText(move.presses[static_cast<size_t>(i)]);
            }
            return text;
        }
    }
    return "?";
}

}  // namespace dravicor
