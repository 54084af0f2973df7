// The move generator: every move a player can make, as the engine has
// always listed them, but found without searching the table for each card:
// a pile's movable cards are found from its top down, and the move-size
// limit is worked out once.
#include "play/move_core.h"
#include "play/move_rules.h"
#include "play/selection_rules.h"
#include "play/special_families.h"

namespace dravicor {

namespace {

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
        } else {
            drags();
            discards();
            turnUps();
        }
        if (StockWouldAct(state_)) moves_.push(Move::Of(MoveKind::StockClick));
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
        const bool linksCount = runRule == RunRule::LinksFollowBuild || runRule == RunRule::LinksInSuit;
        PileRules links = shape_.tableauRules[static_cast<size_t>(t)];
        if (runRule == RunRule::LinksInSuit) links.build = static_cast<int>(BuildCode::SameSuit);
        const PlaceContext context{state_.position, rules_, source.number, false};
        const bool neighbours = shape_.special == SpecialGame::NeighbourDiscard;

        // The lowest card a run may start from.
        int lowest = size - 1;
        if (linksCount) {
            while (lowest > 0 && CanPlaceOn(pile[lowest - 1], pile[lowest], links, source, false, context)) --lowest;
        } else {
            lowest = 0;
        }
        const auto groups = pile.groups();
        for (int at = lowest; at < size; ++at) {
            const int card = pile[at];
            if (card == kNoCard || faces_.IsFaceDown(card)) continue;
            if (neighbours && !NeighbourOfDiscardTop(piles_, card)) continue;
            const std::span<const CardNumber> run(groups.data() + at, static_cast<size_t>(size - at));
            if (!limit_.allows(run, false)) continue;
            targets(card, source, at, size - at);
        }
    }

    void targets(int card, PileId source, int at, int carried) {
        const auto consider = [&](PileId target) {
            if (CanPlaceWithLimit(state_, card, source, at, target, false, &limit_)) {
                const bool run = source.kind == PileKind::Tableau && target.kind == PileKind::Tableau;
                moves_.push(Move::CardTo(card, source, target, run ? carried : 1));
            }
        };
        if (carried == 1 || !openingOnly_) {
            for (int f = 1; f <= shape_.foundations && carried == 1; ++f) consider(PileId::Foundation(f));
        }
        if (openingOnly_) return;
        for (int t = 1; t <= shape_.tableau; ++t) consider(PileId::Tableau(t));
        if (carried != 1) return;
        for (int r = 1; r <= shape_.reserves; ++r) consider(PileId::Reserve(r));
        if (rules_[Rule::WasteExcluded] != kWasteExcluded) consider(PileId::Waste());
    }

    // The games with a discard pile take a pressed tableau top straight there.
    void discards() {
        if (!TakesPressedCardToDiscard(shape_.special)) return;
        for (int t = 1; t <= shape_.tableau; ++t) {
            const PileId pile = PileId::Tableau(t);
            const CardNumber top = piles_.pile(pile).top();
            if (top != kNoCard && inPlay(pile) && CanPickUp(state_, top, pile)) {
                moves_.push(Move::CardTo(top, pile, PileId::SecondWaste()));
            }
        }
    }

    // A press on a face-down tableau top turns it over.
    void turnUps() {
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
};

}  // namespace

void GenerateMoves(const PlayState& state, MoveList& moves) {
    moves.clear();
    Generator(state, moves).run();
}

}  // namespace dravicor
