#include "solver/best_first.h"

#include <algorithm>
#include <array>
#include <optional>

#include "play/move_core.h"
#include "play/move_rules.h"
#include "rules/legality.h"
#include "rules/rule_codes.h"
#include "solver/move_order.h"
#include "solver/position_key.h"
#include "solver/safe_moves.h"
#include "solver/search_key.h"
#include "solver/visited_table.h"

namespace dravicor {

namespace {

constexpr int kCancelCheckEvery = 256;
constexpr int kClockCheckEvery = 1024;

// The weights of SuitRunValue. A suit gone whole to its foundation is worth
// more than anything it took to gather it; a card dealt from the stock pays
// for a part of the break it makes on its pile, so that the search deals
// once rearranging the piles has little left to give.
constexpr int kFoundationCard = 60;
constexpr int kDealtCard = 10;
constexpr int kFaceDown = 30;
constexpr int kSuitedLink = 25;
constexpr int kLink = 5;
constexpr int kBreak = 40;
constexpr int kEmptyPile = 150;

// The weights of CellsValue. A free cell or an empty pile is room to move
// runs and to dig; a card lying above the next card its foundation wants
// must move before that card can go home.
// A card home weighs less in the FreeCell family, where the cells and the
// empty piles decide more; with a stock to come (the Forty Thieves family)
// sending cards home first won more deals.
constexpr int kHomeCard = 40;
constexpr int kHomeCardWithStock = 60;
constexpr int kAboveNext = 15;
constexpr int kAboveSoon = 4;
constexpr int kUnfollowed = 30;
constexpr int kFreeCell = 25;
constexpr int kEmptyColumn = 60;
constexpr int kBuried = 8;

// The table in pairs: b may lie on a in the first tableau pile.
std::vector<std::bitset<kCardCount + 1>> Follows(const PlayState& state) {
    std::vector<std::bitset<kCardCount + 1>> follows(kCardCount + 1);
    const GameShape& shape = state.shape();
    if (shape.tableau == 0) return follows;
    const PlaceContext context{state.position, state.rules(), kLocationNowhere, false};
    const int cards = state.rules()[Rule::CardCount];
    for (int a = 1; a <= cards; ++a) {
        for (int b = 1; b <= cards; ++b) {
            if (a != b && CanPlaceOn(a, b, shape.tableauRules[0], PileId::Tableau(1), false, context)) {
                follows[static_cast<size_t>(a)].set(static_cast<size_t>(b));
            }
        }
    }
    return follows;
}

// Every card of the tableau is dealt face up.
bool TableauFaceUp(const PlayState& state) {
    for (int t = 0; t < state.shape().tableau; ++t) {
        for (const CardNumber card : state.position.piles.tableau[static_cast<size_t>(t)].groups()) {
            if (!IsCard(card) || state.position.cardTable.IsFaceDown(card)) return false;
        }
    }
    return true;
}

// The first tableau pile builds down one rank at a time, and nothing else.
bool BuildsDownByOne(const PlayState& state) {
    const auto follows = Follows(state);
    const int cards = state.rules()[Rule::CardCount];
    bool any = false;
    for (int a = 1; a <= cards; ++a) {
        for (int b = 1; b <= cards; ++b) {
            if (!follows[static_cast<size_t>(a)].test(static_cast<size_t>(b))) continue;
            if (CardRank(b) + 1 != CardRank(a)) return false;
            any = true;
        }
    }
    return any;
}

}  // namespace

bool SearchesBestFirst(const PlayState& state) {
    const GameShape& shape = state.shape();
    // Where any face-up card moves with the cards above it (the Scorpion
    // family), the depth-first search does well and runs are no measure.
    const int runs = state.rules()[Rule::RunRule];
    const bool runsMove = runs == RunRule::LinksInSuit || runs == RunRule::LinksFollowBuild || runs == RunRule::LinksInColour;
    return shape.wholeRuns && runsMove && !shape.selectionPlay && shape.tableau > 0;
}

SuitRunValue::SuitRunValue(const PlayState& state)
    : follows_(Follows(state)), stockAtStart_(state.position.piles.stock[0].size()) {}

bool IsFreeCellFamily(const PlayState& state) {
    const GameShape& shape = state.shape();
    const GameRules& rules = state.rules();
    if (shape.selectionPlay || shape.special != SpecialGame::None || shape.wholeRuns || shape.reserves == 0 ||
        shape.tableau == 0 || shape.foundations == 0 || rules[Rule::CardCount] != kCardsPerDeck ||
        rules[Rule::FoundationTakeBack] != 0 || rules[Rule::ReorderAfterFoundation] != 0 ||
        rules[Rule::AutoFillEmptyTableau] != FillRule::None || rules[Rule::FillTableauAction] != 0 ||
        rules[Rule::OpeningPhase] != 0) {
        return false;
    }
    const PileLists& piles = state.position.piles;
    for (const Pile& pile : piles.stock) {
        if (!pile.empty()) return false;
    }
    if (StockWouldAct(state)) return false;
    if (!FoundationsBuildUpInSuitFromAce(state) || rules[Rule::FoundationMaxCards] != 13) return false;
    for (int r = 0; r < shape.reserves; ++r) {
        switch (rules[Rule::ReserveCode + r]) {
            case ReserveCode::Never:
            case ReserveCode::KingsWhileFirstShort:
            case ReserveCode::FaceCardWhenEmpty:
            case ReserveCode::AnyWhileFirstShort:
            case ReserveCode::TableauCardsToEmptyPiles: return false;
            default: break;
        }
        if (piles.reserves[static_cast<size_t>(r)].size() > 1) return false;
    }
    const PileRules& first = shape.tableauRules[0];
    for (int t = 0; t < shape.tableau; ++t) {
        const PileRules& pile = shape.tableauRules[static_cast<size_t>(t)];
        if (pile.firstCard != first.firstCard || pile.stopRank != first.stopRank || pile.direction != first.direction ||
            pile.build != first.build || pile.wrap != first.wrap || pile.stopLifted != first.stopLifted) {
            return false;
        }
    }
    return TableauFaceUp(state) && BuildsDownByOne(state);
}

bool IsFortyThievesFamily(const PlayState& state) {
    const GameShape& shape = state.shape();
    const GameRules& rules = state.rules();
    if (shape.selectionPlay || shape.special != SpecialGame::None || shape.wholeRuns || shape.tableau == 0 ||
        shape.foundations == 0 || rules[Rule::FoundationTakeBack] != 0 || rules[Rule::OpeningPhase] != 0) {
        return false;
    }
    // The stock goes once to the waste. Where the waste turns over, or the
    // stock deals onto the piles, the depth-first search does better.
    if (state.position.piles.stock[0].empty() || rules[Rule::Redeals] != 1 || PositionKeys(rules).dealtTo() != 0) {
        return false;
    }
    return FoundationsBuildUpInSuitFromAce(state) && TableauFaceUp(state) && BuildsDownByOne(state);
}

CellsValue::CellsValue(const PlayState& state)
    : follows_(Follows(state)),
      emptyTakesAny_(state.shape().tableau > 0 && state.shape().tableauRules[0].firstCard == FirstCard::AnyCard),
      homeCard_(state.position.piles.stock[0].empty() ? kHomeCard : kHomeCardWithStock) {}

int CellsValue::operator()(const PlayState& state) const {
    const GameShape& shape = state.shape();
    const PileLists& piles = state.position.piles;
    // Per suit, bit r: some foundation takes that rank next (wanted), or
    // the one after (soon). Two decks give a suit two foundations.
    std::array<std::uint16_t, 5> wanted{};
    std::array<std::uint16_t, 5> soon{};
    int value = 0;
    for (int f = 0; f < shape.foundations; ++f) {
        const Pile& pile = piles.foundations[static_cast<size_t>(f)];
        value += homeCard_ * pile.size();
        if (IsCard(pile.top())) {
            const auto suit = static_cast<size_t>(CardSuit(pile.top()));
            wanted[suit] |= static_cast<std::uint16_t>(1u << (CardRank(pile.top()) + 1));
            soon[suit] |= static_cast<std::uint16_t>(1u << (CardRank(pile.top()) + 2));
        } else {
            for (size_t suit = 1; suit <= 4; ++suit) {
                wanted[suit] |= 1u << 1;
                soon[suit] |= 1u << 2;
            }
        }
    }
    // The cards above each wanted card must move before it can go home.
    const auto burden = [&](const Pile& pile) {
        const int size = pile.size();
        for (int i = 0; i < size; ++i) {
            const CardNumber card = pile[i];
            if (!IsCard(card)) continue;
            const auto suit = static_cast<size_t>(CardSuit(card));
            const auto rank = static_cast<std::uint16_t>(1u << CardRank(card));
            if (wanted[suit] & rank) {
                value -= kAboveNext * (size - 1 - i);
            } else if (soon[suit] & rank) {
                value -= kAboveSoon * (size - 1 - i);
            }
        }
    };
    for (int t = 0; t < shape.tableau; ++t) {
        const Pile& pile = piles.tableau[static_cast<size_t>(t)];
        if (pile.empty()) {
            value += emptyTakesAny_ ? kEmptyColumn : kEmptyColumn / 4;
            continue;
        }
        burden(pile);
        for (int i = 1; i < pile.size(); ++i) {
            if (IsCard(pile[i]) && !follows_[pile[i - 1]][pile[i]]) value -= kUnfollowed;
        }
    }
    // A waste that never turns over buries what lies in it.
    const Pile& waste = piles.stock[1];
    burden(waste);
    value -= kBuried * std::max(0, waste.size() - 1);
    for (int r = 0; r < shape.reserves; ++r) {
        if (piles.reserves[static_cast<size_t>(r)].empty()) value += kFreeCell;
    }
    return value;
}

int SuitRunValue::operator()(const PlayState& state) const {
    const GameShape& shape = state.shape();
    const PileLists& piles = state.position.piles;
    const CardTable& faces = state.position.cardTable;
    int value = kDealtCard * (stockAtStart_ - piles.stock[0].size());
    for (int f = 0; f < shape.foundations; ++f) value += kFoundationCard * piles.foundations[static_cast<size_t>(f)].size();
    for (int t = 0; t < shape.tableau; ++t) {
        const Pile& pile = piles.tableau[static_cast<size_t>(t)];
        if (pile.empty()) {
            value += kEmptyPile;
            continue;
        }
        for (int i = 0; i < pile.size(); ++i) {
            const CardNumber card = pile[i];
            if (!IsCard(card)) continue;
            if (faces.IsFaceDown(card)) {
                value -= kFaceDown;
                continue;
            }
            if (i + 1 == pile.size()) break;
            const CardNumber above = pile[i + 1];
            if (!IsCard(above)) continue;
            if (follows_[card].test(above)) {
                value += CardSuit(card) == CardSuit(above) ? kSuitedLink : kLink;
            } else {
                value -= kBreak;
            }
        }
    }
    return value;
}

bool SuitRunValue::gainsNothing(const PlayState& state, const Move& move) const {
    if (move.kind != MoveKind::Card || move.from.kind != PileKind::Tableau || move.to.kind != PileKind::Tableau) {
        return false;
    }
    const PileLists& piles = state.position.piles;
    const CardTable& faces = state.position.cardTable;
    const Pile& source = piles.pile(move.from);
    const int at = source.find(move.card);
    if (at <= 0) return false;
    const CardNumber below = source[at - 1];
    if (faces.IsFaceDown(below) || !follows(below, move.card)) return false;
    const CardNumber onto = piles.pile(move.to).top();
    const bool suitedOnto = IsCard(onto) && CardSuit(onto) == CardSuit(move.card);
    if (CardSuit(below) == CardSuit(move.card)) return !suitedOnto;
    if (suitedOnto) return false;
    // The card left on top heads a run that could move next to uncover a
    // face-down card, empty its pile or leave a break.
    int base = at - 1;
    while (base > 0 && faces.IsFaceUp(source[base - 1]) && follows(source[base - 1], source[base]) &&
           CardSuit(source[base - 1]) == CardSuit(source[base])) {
        --base;
    }
    if (base == 0 || faces.IsFaceDown(source[base - 1]) || !follows(source[base - 1], source[base])) return false;
    // The card left on top could take a run of its own suit from elsewhere.
    for (int t = 0; t < state.shape().tableau; ++t) {
        const Pile& pile = piles.tableau[static_cast<size_t>(t)];
        if (&pile == &source || pile.empty()) continue;
        int base = pile.size() - 1;
        while (base > 0 && faces.IsFaceUp(pile[base - 1]) && follows(pile[base - 1], pile[base]) &&
               CardSuit(pile[base - 1]) == CardSuit(pile[base])) {
            --base;
        }
        const CardNumber card = pile[base];
        if (faces.IsFaceUp(card) && CardSuit(card) == CardSuit(below) && follows(below, card)) return false;
    }
    return true;
}

class BestFirstSearch::Impl {
public:
    Impl(const PlayState& start, const SolveOptions& options, std::chrono::steady_clock::time_point begun,
         std::chrono::nanoseconds processorBegun, std::function<void(const std::vector<Move>&)> betterLine)
        : start_(start),
          options_(options),
          begun_(begun),
          processorBegun_(processorBegun),
          betterLine_(std::move(betterLine)),
          state_(start),
          // The Spider family's search for a win takes piles that trade
          // places for one even while the stock deals onto them: no proof.
          key_(state_, SearchKey::Strictness::Loose),
          visited_(options.budget.memoryBytes / 3, false),
          order_(state_),
          safe_(state_),
          value_(state_),
          cells_(IsFreeCellFamily(start) || IsFortyThievesFamily(start)),
          cellsValue_(state_) {
        start_.options.autoplay = false;
        state_.options.autoplay = false;
        for (int index = 0; index < kPileCount; ++index) {
            if (state_.shape().inPlay[static_cast<size_t>(index)]) piles_.push_back(index);
        }
        int groups = 0;
        for (const int index : piles_) groups += PileAtIndex(state_.position.piles, index).size();
        // Room for the slots (kNoCard groups) some games put in their piles.
        groupsPerSlot_ = groups + 16;
        // Every packed slot but the one being opened has a position of the
        // queue made from it, so there are never more slots than positions.
        const std::size_t slotBytes = sizeof(CardTable) + 3 * sizeof(std::int16_t) + sizeof(std::uint32_t) +
                                      piles_.size() + static_cast<std::size_t>(groupsPerSlot_) + sizeof(Open);
        openCap_ = std::max<std::size_t>(64, options.budget.memoryBytes / 3 / slotBytes);
    }

    SolveResult run(const std::atomic<bool>* cancel, const BestFirstPass& pass) {
        cancel_ = cancel;
        pass_ = pass;
        forget();
        if (IsWon(state_)) {
            result_.verdict = Verdict::Won;
            return finish();
        }
        if (WinTestHolds(state_)) return finish();
        pruned_ = key_.merges();
        // The search starts from the start's safe moves made.
        switch (settle(state_, journal_, nullptr, true, &rootLine_)) {
            case Settled::Open: break;
            case Settled::Won:
                result_.verdict = Verdict::Won;
                result_.solution = rootLine_;
                if (betterLine_) betterLine_(rootLine_);
                return finish();
            case Settled::Over:
            case Settled::Stopped: return finish();
        }
        journal_.clear();
        root_ = state_;
        key_.reset(state_);
        visited_.insert(key_.value());
        tree_.push_back({0, 0, 0});
        expand(0);
        while (!open_.empty() && end_ == SearchEnd::Done && result_.verdict != Verdict::Won) {
            std::pop_heap(open_.begin(), open_.end(), Better{});
            const Open best = open_.back();
            open_.pop_back();
            // The position is its parent's with the move made again (it
            // was counted when it was first made).
            unpack(best.slot);
            release(best.slot);
            journal_.clear();
            ApplyMove(state_, best.move, journal_);
            if (!WinTestHolds(state_)) ApplyFollowUps(state_, journal_);
            settle(state_, journal_, &best.move, false, nullptr);
            expand(best.node);
        }
        return finish();
    }

    bool cutByPass() const { return passCut_ && result_.verdict != Verdict::Won; }

private:
    struct Node {
        std::uint32_t parent;
        std::uint16_t move;  // the move's place in GenerateMoves of the parent
        std::uint16_t depth;
    };
    // A position in the queue: its parent's packed slot and the move from there.
    struct Open {
        int value;
        std::uint32_t node;
        std::uint32_t slot;
        Move move;
    };
    // Higher values first; of equal ones the one made last, so that a
    // plateau is crossed depth first.
    struct Better {
        bool operator()(const Open& a, const Open& b) const {
            return a.value != b.value ? a.value < b.value : a.node < b.node;
        }
    };

    // Back to the start with nothing met, keeping the room the passes
    // before made.
    void forget() {
        state_ = start_;
        rootLine_.clear();
        journal_.clear();
        visited_.forget();
        tree_.clear();
        open_.clear();
        free_.clear();
        for (std::uint32_t slot = 0; slot < faces_.size(); ++slot) free_.push_back(slot);
        std::fill(holds_.begin(), holds_.end(), 0);
        result_ = {};
        end_ = SearchEnd::Done;
        passCut_ = false;
        dropped_ = false;
        depthCut_ = false;
        pruned_ = false;
        positions_ = 0;
        peakMemory_ = 0;
        bestValue_ = -1000000;
    }

    SolveResult finish() {
        if (result_.verdict != Verdict::Won) {
            // With positions dropped from a full queue, the memory share it
            // had is what ended the search; with moves left out, the search
            // came to its end but proves nothing.
            if (end_ == SearchEnd::Done && dropped_) end_ = SearchEnd::Memory;
            if (end_ == SearchEnd::Done && depthCut_) end_ = SearchEnd::Depth;
            result_.verdict = end_ == SearchEnd::Done && !pruned_ ? Verdict::Lost : Verdict::Unknown;
        }
        result_.end = result_.verdict == Verdict::Won ? SearchEnd::Done : end_;
        result_.positions = positions_;
        noteMemory();
        result_.peakMemory = peakMemory_;
        result_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun_).count();
        result_.processorSeconds = std::chrono::duration<double>(ThreadProcessorTime() - processorBegun_).count();
        return result_;
    }

    std::size_t bytes() const {
        return visited_.bytes() + tree_.capacity() * sizeof(Node) + open_.capacity() * sizeof(Open) +
               faces_.capacity() * sizeof(CardTable) + counters_.capacity() * sizeof(std::int16_t) +
               holds_.capacity() * sizeof(std::uint32_t) + sizes_.capacity() + groups_.capacity() + journal_.size() * 8 +
               sizeof(PlayState);
    }
    void noteMemory() { peakMemory_ = std::max(peakMemory_, bytes()); }

    bool stop(SearchEnd why) {
        if (end_ == SearchEnd::Done) end_ = why;
        return false;
    }

    // Counts a move made; false once a budget or the cancel flag ends the search.
    bool count() {
        ++positions_;
        const std::int64_t all = pass_.spent + positions_;
        if (options_.budget.positions > 0 && all >= options_.budget.positions) return stop(SearchEnd::Positions);
        if (pass_.limit > 0 && positions_ >= pass_.limit) {
            if (end_ == SearchEnd::Done) passCut_ = true;
            return stop(SearchEnd::Positions);
        }
        if (cancel_ != nullptr && all % kCancelCheckEvery == 0 && cancel_->load(std::memory_order_relaxed)) {
            return stop(SearchEnd::Cancelled);
        }
        if (all % kClockCheckEvery == 0) {
            noteMemory();
            if (peakMemory_ > options_.budget.memoryBytes && options_.budget.memoryBytes > 0) return stop(SearchEnd::Memory);
            if ((options_.budget.time.count() > 0 && std::chrono::steady_clock::now() - begun_ >= options_.budget.time) ||
                (options_.budget.processorTime.count() > 0 &&
                 ThreadProcessorTime() - processorBegun_ >= options_.budget.processorTime)) {
                return stop(SearchEnd::Time);
            }
        }
        return true;
    }

    // Opens the position of `node` (in state_): each move is made, a win
    // ends the search, a position not met before joins the queue.
    void expand(std::uint32_t node) {
        if (tree_[node].depth + 1 >= std::min(options_.maxDepth, 65535)) {
            depthCut_ = true;
            return;
        }
        key_.reset(state_);
        journal_.clear();
        MoveList& moves = moves_;
        GenerateMoves(state_, moves);
        // The position is packed once its first child joins the queue; the
        // search holds it until the last move here is made.
        std::optional<std::uint32_t> slot;
        const auto done = [&] {
            if (slot) release(*slot);
        };
        for (int i = 0; i < moves.size(); ++i) {
            const Move& move = moves[i];
            if (order_.pointless(state_, move)) continue;
            if (!cells_ && value_.gainsNothing(state_, move)) {
                pruned_ = true;
                continue;
            }
            if (!count()) return done();
            const UndoMark mark = journal_.mark();
            if (!ApplyMove(state_, move, journal_).applied) continue;
            if (!WinTestHolds(state_)) ApplyFollowUps(state_, journal_);
            const Settled settled = WinTestHolds(state_) ? (IsWon(state_) ? Settled::Won : Settled::Over)
                                                         : settle(state_, journal_, &move, true, nullptr);
            if (settled != Settled::Open) {
                UndoMove(state_, journal_, mark);
                if (settled == Settled::Won) won(node, i);
                if (settled == Settled::Over) continue;
                return done();
            }
            key_.update(state_, journal_, mark);
            const VisitedTable::Outcome outcome = visited_.insert(key_.value());
            int value = 0;
            std::uint32_t child = 0;
            if (outcome == VisitedTable::Outcome::New) {
                child = static_cast<std::uint32_t>(tree_.size());
                tree_.push_back({node, static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(tree_[node].depth + 1)});
                value = valueOf(state_) + shake(key_.value());
                if (options_.trackBestLine && value > bestValue_) {
                    bestValue_ = value;
                    if (betterLine_) betterLine_(lineTo(child));
                }
            }
            UndoMove(state_, journal_, mark);
            key_.takeBack();
            if (outcome == VisitedTable::Outcome::Full) {
                stop(SearchEnd::Memory);
                return done();
            }
            if (outcome != VisitedTable::Outcome::New) continue;
            if (!slot) {
                slot = packed();
                if (!slot) return;
            }
            push(child, value, *slot, move);
        }
        done();
    }

    enum class Settled { Open, Won, Over, Stopped };

    // Makes the safe moves that follow the move `made` (none: every safe
    // move of the position), one by one, each
    // the first safe one in the order GenerateMoves lists them (so that
    // lineTo makes the same again): they need no place in the queue.
    // Counted as moves when `counted`; each one added to `line` when given.
    // Over: the game ended unwon; Stopped: the budget ended the search.
    Settled settle(PlayState& state, Journal& journal, const Move* made, bool counted, std::vector<Move>* line) {
        // The position the move was made in had no safe move left: a move
        // that sends nothing home changes what is safe only for the card it
        // uncovered.
        Move move;
        bool any = made == nullptr || made->to.kind == PileKind::Foundation || made->kind != MoveKind::Card
                       ? safeMove(state, move)
                       : uncoveredSafe(state, made->from, move);
        for (; any; any = safeMove(state, move)) {
            if (counted && !count()) return Settled::Stopped;
            if (!ApplyMove(state, move, journal).applied) break;
            if (line != nullptr) line->push_back(move);
            if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
            if (WinTestHolds(state)) return IsWon(state) ? Settled::Won : Settled::Over;
        }
        return Settled::Open;
    }

    bool uncoveredSafe(const PlayState& state, PileId source, Move& found) {
        const CardNumber top = state.position.piles.pile(source).top();
        if (!IsCard(top)) return false;
        if (state.position.cardTable.IsFaceDown(top)) return source.kind == PileKind::Tableau && listedSafeMove(state, found);
        return safe_.foundationMovesSafe() && homeIfSafe(state, source, found);
    }

    // The top card of `source` to the first foundation that takes it, when
    // that is safe.
    bool homeIfSafe(const PlayState& state, PileId source, Move& found) {
        const GameShape& shape = state.shape();
        const Pile& pile = state.position.piles.pile(source);
        const CardNumber card = pile.top();
        if (!IsCard(card) || !shape.inPlay[static_cast<size_t>(PileIndex(source))]) return false;
        const int rank = CardRank(card);
        for (int f = 0; f < shape.foundations; ++f) {
            const CardNumber under = state.position.piles.foundations[static_cast<size_t>(f)].top();
            // Up in suit from the Ace: nothing else can take it.
            if (IsCard(under) ? CardSuit(under) != CardSuit(card) || CardRank(under) + 1 != rank : rank != 1) continue;
            const PileId target = PileId::Foundation(f + 1);
            if (!CanPlaceWithLimit(state, card, source, pile.size() - 1, target, false, nullptr)) continue;
            found = Move::CardTo(card, source, target, 1);
            return safe_.isSafe(state, found);
        }
        return false;
    }

    // A safe move turns up a tableau top or sends a top card to its
    // foundation. The foundation moves are looked for among the top cards,
    // not in the whole list of moves: listing them all after every move
    // would cost more than the search saves.
    bool safeMove(const PlayState& state, Move& found) {
        const GameShape& shape = state.shape();
        const PileLists& piles = state.position.piles;
        const CardTable& faces = state.position.cardTable;
        for (int t = 0; t < shape.tableau; ++t) {
            const CardNumber top = piles.tableau[static_cast<size_t>(t)].top();
            if (IsCard(top) && faces.IsFaceDown(top)) return listedSafeMove(state, found);
        }
        if (!safe_.foundationMovesSafe()) return false;
        if (homeIfSafe(state, PileId::Waste(), found)) return true;
        for (int t = 1; t <= shape.tableau; ++t) {
            if (homeIfSafe(state, PileId::Tableau(t), found)) return true;
        }
        for (int r = 1; r <= shape.reserves; ++r) {
            if (homeIfSafe(state, PileId::Reserve(r), found)) return true;
        }
        return false;
    }

    bool listedSafeMove(const PlayState& state, Move& found) {
        GenerateMoves(state, safeMoves_);
        for (const Move& m : safeMoves_) {
            if (safe_.isSafe(state, m)) {
                found = m;
                return true;
            }
        }
        return false;
    }

    int valueOf(const PlayState& state) const { return cells_ ? cellsValue_(state) : value_(state); }

    // Passes after the first shake the values a little, each its own way,
    // the same way every time.
    int shake(std::uint64_t key) const {
        if (pass_.shake == 0) return 0;
        const int amplitude = std::min(8 * pass_.shake, 40);
        std::uint64_t x = key ^ (static_cast<std::uint64_t>(pass_.shake) << 40);
        x = (x ^ (x >> 31)) * 0x7FB5D329728EA185ULL;
        x ^= x >> 27;
        return static_cast<int>(x % static_cast<std::uint64_t>(2 * amplitude + 1)) - amplitude;
    }

    void won(std::uint32_t node, int move) {
        // lineTo leaves the scratch state at the node.
        std::vector<Move> line = lineTo(node);
        Journal journal;
        replay(move, journal, line);
        result_.verdict = Verdict::Won;
        result_.solution = line;
        if (betterLine_) betterLine_(line);
    }

    // The moves from the start to the node, made again from the start to
    // find each one in its position's list.
    std::vector<Move> lineTo(std::uint32_t node) {
        std::vector<std::uint16_t> steps;
        for (std::uint32_t n = node; n != 0; n = tree_[n].parent) steps.push_back(tree_[n].move);
        std::reverse(steps.begin(), steps.end());
        std::vector<Move> line = rootLine_;
        scratch_ = root_;
        Journal journal;
        for (const std::uint16_t step : steps) {
            replay(step, journal, line);
            journal.clear();
        }
        return line;
    }

    // Makes the move listed at `step` on the scratch state, with what follows it.
    void replay(std::uint16_t step, Journal& journal, std::vector<Move>& line) {
        MoveList moves;
        GenerateMoves(scratch_, moves);
        const Move move = moves[step];
        line.push_back(move);
        ApplyMove(scratch_, move, journal);
        if (!WinTestHolds(scratch_)) ApplyFollowUps(scratch_, journal);
        if (!WinTestHolds(scratch_)) settle(scratch_, journal, &move, false, &line);
    }

    // The state packed in a slot of its own, held once; none when it does not fit.
    std::optional<std::uint32_t> packed() {
        std::uint32_t slot = 0;
        if (!free_.empty()) {
            slot = free_.back();
            free_.pop_back();
        } else {
            slot = static_cast<std::uint32_t>(faces_.size());
            faces_.emplace_back();
            holds_.push_back(0);
            counters_.resize(counters_.size() + 3);
            sizes_.resize(sizes_.size() + piles_.size());
            groups_.resize(groups_.size() + static_cast<std::size_t>(groupsPerSlot_));
        }
        if (!pack(slot)) {
            free_.push_back(slot);
            dropped_ = true;
            return std::nullopt;
        }
        holds_[slot] = 1;
        return slot;
    }

    void release(std::uint32_t slot) {
        if (--holds_[slot] == 0) free_.push_back(slot);
    }

    void push(std::uint32_t node, int value, std::uint32_t slot, const Move& move) {
        if (open_.size() >= openCap_) trim();
        ++holds_[slot];
        open_.push_back({value, node, slot, move});
        std::push_heap(open_.begin(), open_.end(), Better{});
    }

    // Drops the least promising quarter of the queue.
    void trim() {
        dropped_ = true;
        const std::size_t keep = open_.size() * 3 / 4;
        std::nth_element(open_.begin(), open_.begin() + static_cast<std::ptrdiff_t>(keep), open_.end(),
                         [](const Open& a, const Open& b) { return Better{}(b, a); });
        for (std::size_t i = keep; i < open_.size(); ++i) release(open_[i].slot);
        open_.resize(keep);
        std::make_heap(open_.begin(), open_.end(), Better{});
    }

    bool pack(std::uint32_t slot) {
        const std::size_t s = slot;
        faces_[s] = state_.position.cardTable;
        counters_[3 * s] = state_.passNumber;
        counters_[3 * s + 1] = state_.moveCounter;
        counters_[3 * s + 2] = state_.tableauMoves;
        std::uint8_t* sizes = &sizes_[s * piles_.size()];
        CardNumber* groups = &groups_[s * static_cast<std::size_t>(groupsPerSlot_)];
        int used = 0;
        for (size_t p = 0; p < piles_.size(); ++p) {
            const Pile& pile = PileAtIndex(state_.position.piles, piles_[p]);
            if (used + pile.size() > groupsPerSlot_) return false;
            sizes[p] = static_cast<std::uint8_t>(pile.size());
            for (int i = 0; i < pile.size(); ++i) groups[used++] = pile[i];
        }
        return true;
    }

    void unpack(std::uint32_t slot) {
        const std::size_t s = slot;
        state_.position.cardTable = faces_[s];
        state_.passNumber = counters_[3 * s];
        state_.moveCounter = counters_[3 * s + 1];
        state_.tableauMoves = counters_[3 * s + 2];
        const std::uint8_t* sizes = &sizes_[s * piles_.size()];
        const CardNumber* groups = &groups_[s * static_cast<std::size_t>(groupsPerSlot_)];
        int used = 0;
        for (size_t p = 0; p < piles_.size(); ++p) {
            Pile& pile = PileAtIndex(state_.position.piles, piles_[p]);
            pile.clear();
            for (int i = 0; i < sizes[p]; ++i) pile.append(groups[used++]);
        }
    }

    PlayState start_;
    const SolveOptions options_;
    std::chrono::steady_clock::time_point begun_;
    std::chrono::nanoseconds processorBegun_;
    BestFirstPass pass_;
    bool passCut_ = false;
    std::function<void(const std::vector<Move>&)> betterLine_;
    const std::atomic<bool>* cancel_ = nullptr;

    PlayState state_;
    PlayState scratch_;
    PlayState root_;  // the start with its safe moves made
    std::vector<Move> rootLine_;
    Journal journal_;
    SearchKey key_;
    VisitedTable visited_;
    MoveOrder order_;
    SafeMoves safe_;
    MoveList safeMoves_;
    SuitRunValue value_;
    bool cells_;  // the FreeCell and Forty Thieves families, valued by CellsValue; no move is left out
    CellsValue cellsValue_;
    MoveList moves_;

    std::vector<int> piles_;  // the piles in play, by PileIndex
    int groupsPerSlot_ = 0;
    std::size_t openCap_ = 0;
    std::vector<Node> tree_;
    std::vector<Open> open_;
    std::vector<std::uint32_t> free_;
    std::vector<std::uint32_t> holds_;  // per slot: the queue's positions made from it, and the one opening
    // The packed positions, slot by slot.
    std::vector<CardTable> faces_;
    std::vector<std::int16_t> counters_;
    std::vector<std::uint8_t> sizes_;
    std::vector<CardNumber> groups_;

    SolveResult result_;
    SearchEnd end_ = SearchEnd::Done;
    bool dropped_ = false;
    bool depthCut_ = false;  // some line reached the longest allowed
    bool pruned_ = false;  // moves left out that could have led somewhere new
    std::int64_t positions_ = 0;
    std::size_t peakMemory_ = 0;
    int bestValue_ = -1000000;
};

BestFirstSearch::BestFirstSearch(const PlayState& start, const SolveOptions& options,
                                 std::chrono::steady_clock::time_point begun, std::chrono::nanoseconds processorBegun,
                                 std::function<void(const std::vector<Move>&)> betterLine)
    : impl_(std::make_unique<Impl>(start, options, begun, processorBegun, std::move(betterLine))) {}

bool BestFirstSearch::cutByPass() const { return impl_->cutByPass(); }

BestFirstSearch::~BestFirstSearch() = default;

SolveResult BestFirstSearch::run(const std::atomic<bool>* cancel, const BestFirstPass& pass) {
    return impl_->run(cancel, pass);
}

}  // namespace dravicor
