// The move generator: every move a player can make, as the engine has
// always listed them, but found without searching the table for each card:
// a pile's movable cards are found from its top down, and the move-size
// limit is worked out once.
#include <bit>

#include "play/move_core.h"
#include "play/move_rules.h"
#include "play/selection_rules.h"
#include "play/special_families.h"

namespace dravicor {

namespace {

constexpr std::uint16_t kAnyRank = 0x3FFE;  // ranks 1 to 13

constexpr std::uint16_t RankBit(int rank) {
    return rank >= 1 && rank <= 13 ? static_cast<std::uint16_t>(1u << rank) : 0;
}

// The ranks a card laid on a card of rank a can have under the building
// code, at most: a quick test that lets most cards pass by a pile without
// the full check, which still decides every card it lets through.
std::uint16_t RanksOnCard(const PileRules& pile, int a) {
    const int d = pile.direction;
    switch (static_cast<BuildCode>(pile.build)) {
        case BuildCode::Never:
        case BuildCode::EmptyPileOnly: return 0;
        case BuildCode::FoundationRow:
        case BuildCode::Always:
        case BuildCode::StepOfTwo:
        case BuildCode::StepOfThree:
        case BuildCode::StepOfFour:
        case BuildCode::NotFromTableau:
        case BuildCode::TableauOnlyToEmpty:
        case BuildCode::NotFromTableauOrReserve:
        case BuildCode::NotFromTableauWhileShort: return kAnyRank;
        case BuildCode::UpAnySuitWrapping: return RankBit(a + 1) | (a == 13 ? RankBit(1) : 0);
        case BuildCode::UpInSuitWhileWasteEmpty:
        case BuildCode::UpInSuit: return RankBit(a + 1);
        case BuildCode::DownInSuit:
        case BuildCode::AlternateDown: return RankBit(a - 1);
        case BuildCode::SameSuitStepOfTwo: return RankBit(d == BuildDirection::Up ? a + 2 : a - 2);
        case BuildCode::EitherWayWhileShort:
        case BuildCode::SameSuitEitherWay:
        case BuildCode::FollowsPileDirection: return RankBit(a - 1) | RankBit(a + 1);
        case BuildCode::UpThenDown: return RankBit(a - 1) | RankBit(a + 1) | RankBit(13);
        default: break;
    }
    // The common rule: one rank up or down, an Ace and a King next to each
    // other (the ways a foundation chooses in play count both).
    std::uint16_t ranks = 0;
    if (d != BuildDirection::Down) ranks |= a == 13 ? RankBit(1) : RankBit(a + 1);
    if (d != BuildDirection::Up) ranks |= a == 1 ? RankBit(13) : RankBit(a - 1);
    if (static_cast<BuildCode>(pile.build) == BuildCode::AlternateSameOrBelow) ranks |= RankBit(a);
    return ranks;
}

// The ranks an empty pile (or one with a slot on top) may take, at most:
// under the building codes whose empty pile follows the common empty-pile
// rule, the one rank that rule names; else any.
std::uint16_t RanksOnEmpty(const PileRules& pile) {
    switch (static_cast<BuildCode>(pile.build)) {
        case BuildCode::SameSuit:
        case BuildCode::SameColour:
        case BuildCode::AnySuit:
        case BuildCode::AlternateColours:
        case BuildCode::EmptyPileOnly:
        case BuildCode::NeverSameSuit:
        case BuildCode::DropOnlyWhenStockEmpty:
        case BuildCode::SameSuitNoQueenOnKingOrJack:
        case BuildCode::SameSuitNoQueenKingPair:
        case BuildCode::AlternateNotFromFoundationOrReserve:
        case BuildCode::AlternateDown:
        case BuildCode::AlternateSameOrBelow: break;
        default: return kAnyRank;
    }
    if (pile.stopRank == -1 || pile.firstCard < 1 || pile.firstCard > 13) return kAnyRank;
    return RankBit(pile.firstCard);
}

// A target pile of the survey; whether it is open and which ranks it may
// take are kept by rank in the generator's byRank_.
struct Target {
    PileId pile{};
    bool fromTableauOnly = false;  // a reserve that takes tableau cards only
};

class Generator {
public:
    Generator(const PlayState& state, MoveList& moves)
        : state_(state),
          shape_(state.shape()),
          rules_(state.rules()),
          piles_(state.position.piles),
          faces_(state.position.cardTable),
          moves_(moves),
          limit_(MoveSizeLimitOf(state.position.piles, state.rules())),
          openingOnly_(state.rules()[Rule::OpeningPhase] == 1 && state.moveCounter == 0) {}

    void run() {
        if (shape_.selectionPlay) {
            AddSelectionMoves(state_, moves_);
        } else if (AddFamilyMoves(state_, moves_)) {
            // The family's own moves (the gaps games, Clock).
        } else {
            surveyTargets();
            drags();
            discards();
            turnUps();
        }
        // The first-move rule refuses every stock action.
        if (StockWouldAct(state_) && !openingOnly_) moves_.push(Move::Of(MoveKind::StockClick));
    }

private:
    bool inPlay(PileId pile) const { return shape_.inPlay[static_cast<size_t>(PileIndex(pile))]; }

    // Sources: the waste, the tableau piles, the reserves, the foundations.
    void drags() {
        if (!openingOnly_) fromTopOnly(PileId::Waste());
        for (int t = 1; t <= shape_.tableau; ++t) fromTableau(PileId::Tableau(t));
        if (openingOnly_) return;
        const bool anyReserveCard = rules_[Rule::ReserveDrawMode] == kReserveAnyCard;
        for (int r = 1; r <= shape_.reserves; ++r) {
            if (anyReserveCard) {
                fromEveryCard(PileId::Reserve(r));
            } else {
                fromTopOnly(PileId::Reserve(r));
            }
        }
        const int takeBack = rules_[Rule::FoundationTakeBack];
        for (int f = 1; f <= shape_.foundations; ++f) {
            const Pile& pile = piles_.pile(PileId::Foundation(f));
            if (takeBack == TakeBack::Always || (takeBack == TakeBack::FromTwoCards && pile.size() >= 2)) {
                fromTopOnly(PileId::Foundation(f));
            }
        }
    }

    void fromTopOnly(PileId source) {
        const Pile& pile = piles_.pile(source);
        if (!inPlay(source) || pile.empty() || pile.top() == kNoCard) return;
        targets(pile.top(), source, pile.size() - 1, 1);
    }

    void fromEveryCard(PileId source) {
        const Pile& pile = piles_.pile(source);
        if (!inPlay(source)) return;
        for (int at = 0; at < pile.size(); ++at) {
            if (pile[at] != kNoCard) targets(pile[at], source, at, 1);
        }
    }

    // A card of a tableau pile is picked up with the cards above it when it
    // lies face up and the run moves as one: every link from it to the top
    // passes, so once a link fails no card below it can go.
    void fromTableau(PileId source) {
        const Pile& pile = piles_.pile(source);
        const int size = pile.size();
        if (!inPlay(source) || size == 0) return;
        const int t = source.number - 1;
        const int runRule = rules_[Rule::RunRule];
        const bool linksCount = RunLinksCount(runRule);
        const PileRules links = RunLinkRules(rules_, t);
        const PlaceContext context{state_.position, rules_, source.number, false};
        const bool neighbours = IsGolfGame(shape_.special);

        // The lowest card a run may start from.
        int lowest = size - 1;
        if (linksCount) {
            while (lowest > 0 && CanPlaceOn(pile[lowest - 1], pile[lowest], links, source, false, context)) --lowest;
        } else {
            lowest = 0;
        }
        // Only the top card and the whole pile leave a pile that moves whole.
        if (runRule == RunRule::WholePile && lowest > 0) lowest = size - 1;
        const auto groups = pile.groups();
        for (int at = lowest; at < size; ++at) {
            if (runRule == RunRule::WholePile && at > 0 && at < size - 1) continue;
            const int card = pile[at];
            if (card == kNoCard || faces_.IsFaceDown(card)) continue;
            if (neighbours && !NeighbourOfDiscardTop(state_, card)) continue;
            const std::span<const CardNumber> run(groups.data() + at, static_cast<size_t>(size - at));
            if (!limit_.allows(run, false)) continue;
            targets(card, source, at, size - at);
        }
    }

    // Foundations, tableau piles, reserves, the waste: which could take a card at all.
    void surveyTargets() {
        const auto add = [&](PileId pile, bool open, std::uint16_t ranks, bool fromTableauOnly = false) {
            const int index = count_++;
            open = open && shape_.inPlay[static_cast<size_t>(PileIndex(pile))];
            targets_[static_cast<size_t>(index)] = {pile, fromTableauOnly};
            if (!open) return;
            for (std::uint16_t left = ranks & kAnyRank; left != 0; left &= static_cast<std::uint16_t>(left - 1)) {
                byRank_[static_cast<size_t>(std::countr_zero(left))] |= std::uint64_t{1} << index;
            }
        };
        for (int f = 0; f < shape_.foundations; ++f) {
            const Pile& pile = piles_.foundations[static_cast<size_t>(f)];
            const PileRules& build = shape_.foundationDrop[static_cast<size_t>(f)];
            // The whole-run foundations take no card from a player.
            add(PileId::Foundation(f + 1), !IsWholeRunFoundation(build.firstCard),
                pile.empty() ? RanksOnEmpty(build) : RanksOnCard(build, CardRank(pile.top())));
        }
        firstTableau_ = count_;
        for (int t = 0; t < shape_.tableau; ++t) {
            const Pile& pile = piles_.tableau[static_cast<size_t>(t)];
            const PileRules& build = shape_.tableauRules[static_cast<size_t>(t)];
            const bool open = pile.empty() || !faces_.IsFaceDown(pile.top());
            add(PileId::Tableau(t + 1), open,
                IsCard(pile.top()) ? RanksOnCard(build, CardRank(pile.top())) : RanksOnEmpty(build));
        }
        firstReserve_ = count_;
        // A reserve's answer depends on the card's rank alone, so the survey
        // decides it whole (reserve targets need no further check).
        const int firstSize = piles_.reserves[0].size();
        for (int r = 0; r < shape_.reserves; ++r) {
            const bool empty = piles_.reserves[static_cast<size_t>(r)].empty();
            bool open = empty;
            std::uint16_t ranks = kAnyRank;
            const int code = rules_[Rule::ReserveCode + r];
            switch (code) {
                case ReserveCode::Never: open = false; break;
                case ReserveCode::KingsWhileFirstShort:
                    open = firstSize < 3;
                    ranks = RankBit(13);
                    break;
                case ReserveCode::AnyWhileFirstShort: open = firstSize < 5; break;
                case ReserveCode::FaceCardWhenEmpty: ranks = RankBit(11) | RankBit(12) | RankBit(13); break;
                case ReserveCode::TableauCardsToEmptyPiles: open = true; break;
                default: break;
            }
            add(PileId::Reserve(r + 1), open, ranks, code == ReserveCode::TableauCardsToEmptyPiles);
        }
        const Pile& waste = piles_.stock[1];
        if (rules_[Rule::WasteExcluded] != kWasteExcluded) {
            const bool open = rules_[Rule::WastePlay] == kWasteTakesNeighbours && !waste.empty();
            const int a = CardRank(waste.top());
            add(PileId::Waste(), open, RankBit(a - 1) | RankBit(a + 1));
        }
    }

    // The targets are looked up by the card's rank among the open ones, in
    // the order of the survey: foundations, tableau, reserves, the waste.
    void targets(int card, PileId source, int at, int carried) {
        const int rank = CardRank(card);
        if (rank < 1 || rank > 13) return;
        const auto consider = [&](const Target& target) {
            if (target.pile.kind == PileKind::Reserve) {
                if (target.fromTableauOnly && source.kind != PileKind::Tableau) return;
                if (target.pile != source) moves_.push(Move::CardTo(card, source, target.pile, 1));
                return;
            }
            if (CanPlaceWithLimit(state_, card, source, at, target.pile, false, &limit_)) {
                const bool run = source.kind == PileKind::Tableau && target.pile.kind == PileKind::Tableau;
                moves_.push(Move::CardTo(card, source, target.pile, run ? carried : 1));
            }
        };
        const auto below = [](int index) { return (std::uint64_t{1} << index) - 1; };
        std::uint64_t wanted = 0;
        if (carried == 1) wanted |= below(firstTableau_);
        if (!openingOnly_) {
            wanted |= below(firstReserve_) & ~below(firstTableau_);
            if (carried == 1) wanted |= below(count_) & ~below(firstReserve_);
        }
        for (std::uint64_t left = byRank_[static_cast<size_t>(rank)] & wanted; left != 0; left &= left - 1) {
            consider(targets_[static_cast<size_t>(std::countr_zero(left))]);
        }
    }

    // The games with a discard pile take a pressed tableau card straight
    // there: a top card, or in the peaks any free one.
    void discards() {
        if (!TakesPressedCardToDiscard(shape_.special)) return;
        const bool anyPlace = shape_.special == SpecialGame::PeaksToDiscard;
        for (int t = 1; t <= shape_.tableau; ++t) {
            const PileId pile = PileId::Tableau(t);
            const Pile& cards = piles_.pile(pile);
            if (!inPlay(pile)) continue;
            for (int at = anyPlace ? 0 : cards.size() - 1; at >= 0 && at < cards.size(); ++at) {
                const CardNumber card = cards[at];
                if (card != kNoCard && CanPickUp(state_, card, pile)) moves_.push(Move::CardTo(card, pile, PileId::SecondWaste()));
            }
        }
    }

    // A press on a face-down tableau top turns it over.
    void turnUps() {
        if (!PressTurnsTableauTop(shape_.special)) return;
        for (int t = 1; t <= shape_.tableau; ++t) {
            const PileId pile = PileId::Tableau(t);
            const CardNumber top = piles_.pile(pile).top();
            if (top != kNoCard && inPlay(pile) && faces_.IsFaceDown(top)) moves_.push(Move::OnCard(MoveKind::TurnUp, top, pile));
        }
    }

    const PlayState& state_;
    const GameShape& shape_;
    const GameRules& rules_;
    const PileLists& piles_;
    const CardTable& faces_;
    MoveList& moves_;
    const MoveSizeLimit limit_;
    const bool openingOnly_;
    std::array<Target, kFoundationCount + kTableauCount + kReserveCount + 1> targets_{};
    static_assert(kFoundationCount + kTableauCount + kReserveCount + 1 <= 64, "a target is a bit of byRank_");
    // Per rank, the open targets that may take a card of it (bits by index in targets_).
    std::array<std::uint64_t, 14> byRank_{};
    int count_ = 0;
    int firstTableau_ = 0;
    int firstReserve_ = 0;
};

}  // namespace

void GenerateMoves(const PlayState& state, MoveList& moves) {
    moves.clear();
    Generator(state, moves).run();
}

}  // namespace dravicor
