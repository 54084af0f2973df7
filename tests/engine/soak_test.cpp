// Random play over every game of the catalogue: many deals, each played for
// a while by a seeded random player that drags, drops, clicks the stock,
// double-clicks, undoes, redoes, switches autoplay and saves the game and
// loads it back. After every step the position's invariants are checked; at
// the end every step is undone back to the deal and redone again. Beside the
// engine the move core plays along: its move list is the one the rules define
// card by card, every move it lists is made and taken back exactly, and what
// the player's action gives through the pointer is what the core's move with
// the follow-ups gives. DRAVICOR_SOAK_SECONDS (scripts/soak) plays further
// deals until that much time has gone, shared out among the games.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "play/gaps_family.h"
#include "play/move_core.h"
#include "play/peaks.h"
#include "play/selection_rules.h"
#include "play/special_families.h"
#include "savegame/saved_game.h"

namespace dravicor::test {
namespace {

constexpr int kNumbersPerGame = 24;

// When the long soak gives this game's share of its time runs out.
std::optional<std::chrono::steady_clock::time_point> SoakDeadline() {
    const char* text = std::getenv("DRAVICOR_SOAK_SECONDS");
    const long seconds = text ? std::atol(text) : 0;
    if (seconds <= 0) return std::nullopt;
    const auto share = std::chrono::milliseconds(seconds * 1000 / static_cast<long>(std::max<size_t>(1, CatalogueGameCodes().size())));
    return std::chrono::steady_clock::now() + share;
}

// Every game of the catalogue, as a saved game's loader finds it.
SavedGameCatalogue CatalogueGames() {
    SavedGameCatalogue catalogue;
    catalogue.rules = [](int code) -> std::optional<GameRules> {
        try {
            return LoadGameRules(BuiltCatalogue(), code, NoCustomGames());
        } catch (const CatalogueError&) {
            return std::nullopt;
        }
    };
    catalogue.name = [](int code) { return "Game " + std::to_string(code); };
    return catalogue;
}
constexpr int kStepsPerNumber = 150;
constexpr std::uint64_t kSoakSeed = 0x5eed2024c0ffee11ULL;

using Snapshot = std::vector<std::string>;

enum class Action { Drag, Drop, Stock, Undo, Redo, UndoRedo, DoubleClick, ToggleAutoplay, Press, SaveLoad };

// The pile that holds the card, if any.
std::optional<PileId> PileHolding(const Position& position, int card) {
    std::optional<PileId> found;
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!found && pile.contains(card)) found = id;
    });
    return found;
}

// The moves of a position as the rules define them, card by card: every
// card a press may pick up, with every pile that may take it; the discard
// pile's presses; the selections; the face-down tops; the stock. The move
// generator must list exactly these, in this order.
std::vector<std::string> ReferenceMoves(const PlayState& state) {
    std::vector<std::string> moves;
    const GameShape& shape = state.shape();
    const GameRules& rules = state.rules();
    const PileLists& piles = state.position.piles;
    const auto inPlay = [&](PileId pile) { return shape.inPlay[static_cast<size_t>(PileIndex(pile))]; };
    const bool openingOnly = rules[Rule::OpeningPhase] == 1 && state.moveCounter == 0;
    if (shape.selectionPlay) {
        MoveList selections;
        AddSelectionMoves(state, selections);
        for (const Move& m : selections) moves.push_back(MoveText(m));
    } else {
        std::vector<PileId> sources{PileId::Waste()};
        std::vector<PileId> targets;
        for (int i = 1; i <= shape.tableau; ++i) sources.push_back(PileId::Tableau(i));
        for (int i = 1; i <= shape.reserves; ++i) sources.push_back(PileId::Reserve(i));
        for (int i = 1; i <= shape.foundations; ++i) sources.push_back(PileId::Foundation(i));
        for (int i = 1; i <= shape.foundations; ++i) targets.push_back(PileId::Foundation(i));
        for (int i = 1; i <= shape.tableau; ++i) targets.push_back(PileId::Tableau(i));
        for (int i = 1; i <= shape.reserves; ++i) targets.push_back(PileId::Reserve(i));
        if (rules[Rule::WasteExcluded] != 4) targets.push_back(PileId::Waste());
        for (const PileId source : sources) {
            if (!inPlay(source) || (openingOnly && source.kind != PileKind::Tableau)) continue;
            const Pile& pile = piles.pile(source);
            for (int at = 0; at < pile.size(); ++at) {
                const int card = pile[at];
                if (!CanPickUp(state, card, source)) continue;
                // In the gaps games a card moves alone.
                const bool gaps = IsGapsGame(shape.special);
                const int carried = source.kind == PileKind::Tableau && !gaps ? pile.size() - at : 1;
                for (const PileId target : targets) {
                    if (openingOnly && target.kind != PileKind::Foundation) continue;
                    if (!CanPlace(state, card, target)) continue;
                    const bool run = source.kind == PileKind::Tableau && target.kind == PileKind::Tableau && !gaps;
                    moves.push_back(MoveText(Move::CardTo(card, source, target, run ? carried : 1)));
                }
            }
        }
        // The discard pile takes a pressed top card, or any free card of the peaks.
        for (int t = 1; t <= shape.tableau; ++t) {
            const Pile& pile = piles.pile(PileId::Tableau(t));
            if (!TakesPressedCardToDiscard(shape.special) || !inPlay(PileId::Tableau(t))) continue;
            const int first = shape.special == SpecialGame::PeaksToDiscard ? 0 : pile.size() - 1;
            for (int at = std::max(first, 0); at < pile.size(); ++at) {
                if (pile[at] != kNoCard && CanPickUp(state, pile[at], PileId::Tableau(t))) {
                    moves.push_back(MoveText(Move::CardTo(pile[at], PileId::Tableau(t), PileId::SecondWaste())));
                }
            }
        }
        for (int t = 1; t <= shape.tableau; ++t) {
            const int top = piles.pile(PileId::Tableau(t)).top();
            if (top != kNoCard && inPlay(PileId::Tableau(t)) && state.position.cardTable.IsFaceDown(top) &&
                PressTurnsTableauTop(shape.special)) {
                moves.push_back(MoveText(Move::OnCard(MoveKind::TurnUp, top, PileId::Tableau(t))));
            }
        }
    }
    if (StockWouldAct(state) && !openingOnly) moves.push_back("stock");
    return moves;
}

class EngineSoak : public EngineFixture, public ::testing::WithParamInterface<int> {
protected:
    // What the player did in the current deal, for the failure report.
    std::vector<std::string> trail;
    // What an undo (redo) of each entry of the engine's history must give
    // back; nothing when the step was folded from several.
    std::vector<std::optional<Snapshot>> undoModel;
    std::vector<std::optional<Snapshot>> redoModel;
    // What the long soak reports.
    long long steps = 0;
    long long saves = 0;
    bool loadedThisDeal = false;
    TempDir saveDir;

    int cardCount() const { return engine.rules()[Rule::CardCount]; }

    // A game whose foundations take whole runs moves a run there as part of
    // the move that completes it, whatever autoplay is set to.
    bool takesWholeRuns() const {
        for (int f = 0; f < engine.rules()[Rule::FoundationCount]; ++f) {
            if (IsWholeRunFoundation(engine.rules()[Rule::FoundationFirstCard + f])) return true;
        }
        return false;
    }

    // What the move core says the player's next action gives: its move and
    // then the game's follow-ups (none after a winning move, which ends the
    // game), made on the engine's play state.
    std::optional<PlayState> predicted;
    std::string predictedMove;

    void predict(const Move& move) {
        PlayState state = engine.playState();
        Journal journal;
        ApplyMove(state, move, journal);
        if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
        predicted = state;
        predictedMove = MoveText(move);
    }

    void checkPrediction() {
        if (!predicted) return;
        const PlayState now = engine.playState();
        EXPECT_EQ(BuildSnapshot(now.position), BuildSnapshot(predicted->position))
            << "the engine and the move core disagree on " << predictedMove;
        EXPECT_EQ(now.passNumber, predicted->passNumber) << predictedMove;
        EXPECT_EQ(now.moveCounter, predicted->moveCounter) << predictedMove;
        EXPECT_EQ(now.selection, predicted->selection) << predictedMove;
        predicted.reset();
    }

    // The core's moves are the rules' moves, and each is made and taken back exactly.
    void checkMoveCore() {
        if (!engine.game().inProgress) return;
        const PlayState state = engine.playState();
        MoveList moves;
        GenerateMoves(state, moves);
        std::vector<std::string> listed;
        for (const Move& m : moves) listed.push_back(MoveText(m));
        EXPECT_EQ(listed, ReferenceMoves(state)) << "the move generator and the rules disagree";
        PlayState probe = state;
        Journal journal;
        for (const Move& m : moves) {
            const MoveResult made = ApplyMove(probe, m, journal);
            EXPECT_TRUE(made.applied) << "listed move " << MoveText(m) << " was not made";
            ApplyFollowUps(probe, journal);
            UndoMove(probe, journal, made.undo);
            if (!(probe == state)) {
                ADD_FAILURE() << "making and taking back " << MoveText(m) << " did not give the state back";
                probe = state;
            }
        }
        EXPECT_EQ(journal.size(), 0u);
    }

    std::string trailText() const {
        std::ostringstream out;
        const size_t from = trail.size() > 25 ? trail.size() - 25 : 0;
        out << "last steps (" << trail.size() << " in all):";
        for (size_t i = from; i < trail.size(); ++i) out << "\n  " << i + 1 << ": " << trail[i];
        return out.str();
    }

    // Every invariant of a position in play.
    void checkInvariants() {
        const Position& position = engine.position();
        const Snapshot lines = snapshot();
        ASSERT_EQ(lines.size(), static_cast<size_t>(kPileCount));

        // Each card of the game exactly once, no card beyond the game's pack,
        // no empty slot, and every group's face flag is the card table's.
        std::vector<int> seen(kCardCount + 1, 0);
        for (size_t l = 0; l < lines.size(); ++l) {
            const std::string& line = lines[l];
            ASSERT_EQ(line.size() % 4, 0u) << "snapshot line " << l << ": " << line;
            for (size_t i = 0; i < line.size(); i += 4) {
                const int card = std::stoi(line.substr(i, 3));
                const char flag = line[i + 3];
                // Only the side-by-side and one-row tableaus keep empty places.
                if (card == 0) {
                    const int spread = engine.rules()[Rule::TableauSpread];
                    const bool tableauLine = l >= kStockListSize + kFoundationCount &&
                                             l < kStockListSize + kFoundationCount + kTableauCount;
                    ASSERT_TRUE(tableauLine && (spread == 4 || spread == 8))
                        << "an empty slot in snapshot line " << l << ": " << line;
                    continue;
                }
                ASSERT_TRUE(card >= 1 && card <= cardCount()) << "card " << card << " in line " << l;
                ++seen[static_cast<size_t>(card)];
                EXPECT_EQ(flag, position.cardTable.FaceFlag(card)) << "face flag of card " << card;
            }
        }
        for (int card = 1; card <= cardCount(); ++card) {
            EXPECT_EQ(seen[static_cast<size_t>(card)], 1) << "card " << card << " lies on the table that often";
        }

        // Cards lie only in piles the game shows (the discard pile aside);
        // foundation and waste cards are face up.
        position.piles.forEach([&](PileId id, const Pile& pile) {
            EXPECT_TRUE(pile.empty() || id == PileId::SecondWaste() || engine.origins().isOnTable(id))
                << PileName(id) << " holds cards but is not on the table";
            if (id.kind != PileKind::Foundation && id.kind != PileKind::Waste) return;
            for (const CardNumber c : pile.groups()) {
                EXPECT_TRUE(c == kNoCard || position.cardTable.IsFaceUp(c)) << int{c} << " down on " << PileName(id);
            }
        });
        // In a tableau pile no face-down card lies on a face-up one, unless
        // the deal lays the pile face down and face up in turn.
        const PileLists& piles = position.piles;
        // In overlapping lines (peaks) a line's cards turn over as the line
        // below them clears, in any order along the line.
        const bool linesOverlap = HasOverlappingLines(engine.playState().shape().special);
        for (size_t t = 0; t < piles.tableau.size() && !linesOverlap; ++t) {
            // The alternating deals lay face-down cards between face-up ones on purpose.
            if (t < kTableauCount && engine.rules()[Rule::TableauDealFaceUp + static_cast<int>(t)] < 0) continue;
            bool faceUpSeen = false;
            for (const CardNumber c : piles.tableau[t].groups()) {
                if (c == kNoCard) continue;
                if (position.cardTable.IsFaceUp(c)) {
                    faceUpSeen = true;
                } else {
                    EXPECT_FALSE(faceUpSeen)
                        << "face-down card " << int{c} << " above a face-up card in tableau pile " << t + 1;
                }
            }
        }

        // The stock is gone through no more often than the game allows.
        const int passes = engine.rules()[Rule::Redeals];
        EXPECT_GE(engine.game().passNumber, 1);
        if (passes > 0) {
            EXPECT_LE(engine.game().passNumber, passes);
        }

        // The score follows the cards played.
        int played = 0;
        for (const Pile& f : piles.foundations) {
            played += static_cast<int>(
                std::count_if(f.groups().begin(), f.groups().end(), [](CardNumber c) { return c != kNoCard; }));
        }
        played += piles.stock[2].size();
        // The poker games score their hands instead.
        if (engine.rules()[Rule::SpecialGame] != 9) {
            EXPECT_EQ(engine.game().score, 5 * played - cardCount());
        }

        // Every listed move is one the rules accept, of a face-up card that is on the table.
        for (const PlayerMove& m : engine.LegalMoves()) {
            EXPECT_TRUE(engine.CanPlace(m.card, m.target))
                << "listed move " << int{m.card} << " -> " << PileName(m.target);
            EXPECT_TRUE(position.cardTable.IsFaceUp(m.card)) << "listed move of face-down card " << int{m.card};
            EXPECT_TRUE(engine.CardPoint(m.card).has_value())
                << "listed move of card " << int{m.card} << " not on the table";
            EXPECT_TRUE(engine.origins().isOnTable(m.target)) << "listed move to " << PileName(m.target);
        }

        EXPECT_EQ(engine.history().undo.size(), undoModel.size());
        EXPECT_EQ(engine.history().redo.size(), redoModel.size());
        checkMoveCore();
    }

    // The top cards a player could double-click (the stock is a click of its own).
    std::vector<int> topCards() const {
        std::vector<int> cards;
        engine.position().piles.forEach([&](PileId id, const Pile& pile) {
            if (id.kind == PileKind::Stock || !engine.origins().isOnTable(id) || pile.top() == kNoCard) return;
            cards.push_back(pile.top());
        });
        return cards;
    }

    // An empty tableau pile that the game fills by itself at the next release,
    // with a card to fill it from.
    bool fillPending() const {
        const int rule = engine.rules()[Rule::AutoFillEmptyTableau];
        const PileLists& piles = engine.position().piles;
        const bool source = rule == 1 ? !piles.reserves[0].empty() : !piles.stock[0].empty() || !piles.stock[1].empty();
        if (rule == 0 || !source) return false;
        for (int t = 0; t < engine.rules()[Rule::TableauCount]; ++t) {
            if (engine.position().piles.tableau[static_cast<size_t>(t)].empty()) return true;
        }
        return false;
    }

    bool canGoToAFoundation(int card) const {
        // Before the opening move only a tableau card may go.
        const int location = CardLocation(engine.position().piles, card);
        if (engine.rules()[Rule::OpeningPhase] == 1 && engine.game().moveCounter == 0 &&
            !(location >= 1 && location <= kTableauCount)) {
            return false;
        }
        for (int f = 1; f <= engine.rules()[Rule::FoundationCount]; ++f) {
            if (engine.origins().isOnTable(PileId::Foundation(f)) && engine.CanPlace(card, PileId::Foundation(f))) {
                return true;
            }
        }
        return false;
    }

    // The cards a move takes along: the card and, in a tableau pile, those above it.
    std::vector<CardNumber> runOf(int card) const {
        const auto pile = PileHolding(engine.position(), card);
        if (!pile || pile->kind != PileKind::Tableau || IsGapsGame(engine.playState().shape().special)) {
            return {static_cast<CardNumber>(card)};
        }
        const Pile& p = engine.position().piles.pile(*pile);
        return {p.groups().begin() + p.find(card), p.groups().end()};
    }

    // Where a drop at the point must put the card, worked out afresh: of the
    // piles whose top card the dropped card overlaps, the four with the
    // largest overlap (on equal areas the higher pile kind, then the higher
    // number) are tried in that order, and the first that accepts takes it.
    std::optional<PileId> expectedDrop(int card, Point at) const {
        const TableGeometry table = engine.geometry();
        const Size size = engine.cardSize();
        const GameRules& rules = engine.rules();
        const bool openingOnly = rules[Rule::OpeningPhase] == 1 && engine.game().moveCounter == 0;
        struct Candidate {
            long long area;
            int kind;
            int number;
            PileId pile;
        };
        std::vector<Candidate> candidates;
        const auto consider = [&](PileId pile) {
            if (!engine.origins().isOnTable(pile) || (openingOnly && pile.kind != PileKind::Foundation)) return;
            const std::optional<Point> landing = engine.LandingPoint(card, pile);
            if (!landing) return;
            const int x = landing->x;
            const int y = landing->y;
            const long long w = std::min(x, at.x) + size.width - std::max(x, at.x);
            const long long h = std::min(y, at.y) + size.height - std::max(y, at.y);
            if (w > 0 && h > 0) candidates.push_back({w * h, static_cast<int>(pile.kind), pile.number, pile});
        };
        for (int i = 1; i <= rules[Rule::FoundationCount]; ++i) consider(PileId::Foundation(i));
        for (int i = 1; i <= rules[Rule::TableauCount]; ++i) consider(PileId::Tableau(i));
        for (int i = 1; i <= rules[Rule::ReserveCount]; ++i) consider(PileId::Reserve(i));
        if (rules[Rule::WasteExcluded] != 4) consider(PileId::Waste());
        std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            if (a.area != b.area) return a.area > b.area;
            if (a.kind != b.kind) return a.kind > b.kind;
            return a.number > b.number;
        });
        if (candidates.size() > 4) candidates.resize(4);
        for (const Candidate& c : candidates) {
            if (engine.CanPlace(card, c.pile)) return c.pile;
        }
        return std::nullopt;
    }

    // The moved cards lie together on the pile in their order, on top; with
    // autoplay on, the top ones of them may have gone on to the foundations
    // and further cards may have come onto a foundation after them.
    void expectRunOn(const std::vector<CardNumber>& run, PileId pile, bool autoplayRan) {
        const Pile& target = engine.position().piles.pile(pile);
        size_t kept = 0;
        while (kept < run.size() && target.contains(run[kept])) ++kept;
        if (kept > 0) {
            const int at = target.find(run[0]);
            ASSERT_LE(static_cast<size_t>(at) + kept, static_cast<size_t>(target.size()));
            for (size_t i = 0; i < kept; ++i) {
                EXPECT_EQ(target[at + static_cast<int>(i)], run[i])
                    << "the moved cards do not lie together on " << PileName(pile) << " in their order";
            }
            // A gap's card lies in its place, not on top.
            if ((!autoplayRan || pile.kind != PileKind::Foundation) && !IsGapsGame(engine.playState().shape().special)) {
                EXPECT_EQ(static_cast<size_t>(at) + kept, static_cast<size_t>(target.size()))
                    << "the moved cards are not on top of " << PileName(pile);
            }
        }
        for (size_t i = kept; i < run.size(); ++i) {
            const auto now = PileHolding(engine.position(), run[i]);
            ASSERT_TRUE(now.has_value());
            EXPECT_TRUE(autoplayRan && now->kind == PileKind::Foundation)
                << "card " << int{run[i]} << " of the moved run lies on " << PileName(*now) << ", not on "
                << PileName(pile);
        }
    }

    // Carries out a listed move as a player drags it: the card lands on the
    // pile it was dragged to, with the cards above it.
    void dragListedMove(std::mt19937_64& rng) {
        const std::vector<PlayerMove> moves = engine.LegalMoves();
        ASSERT_FALSE(moves.empty());
        const PlayerMove m = moves[rng() % moves.size()];
        trail.push_back("drag " + std::to_string(m.card) + " -> " + PileName(m.target));
        const auto from = engine.CardPoint(m.card);
        ASSERT_TRUE(from.has_value());
        const Point press{from->x + 2, from->y + 2};
        const PileHit pressed = PileAt(press, engine.position().piles, engine.geometry());
        // A pile of one row can grow over the piles of the row below it; a
        // card whose corner lies under another pile is dropped instead.
        if (pressed.card != m.card) {
            trail.back() += " (covered by " + pressed.pileName + ")";
            dropListedMove(m, landingPoint(m.card, m.target));
            return;
        }
        const auto run = runOf(m.card);
        const auto source = PileHolding(engine.position(), m.card);
        ASSERT_TRUE(source.has_value());
        predict(Move::CardTo(m.card, *source, m.target, static_cast<int>(run.size())));
        ASSERT_TRUE(drag(m.card, m.target)) << "listed move " << int{m.card} << " -> " << PileName(m.target)
                                            << " refused; the press at (" << press.x << "," << press.y << ")";
        expectRunOn(run, m.target, engine.autoplayOn() || takesWholeRuns());
    }

    // Drops the card of a listed move near its target's top card (a player's
    // aim is not exact); where it lands must follow from the overlaps.
    void dropNear(std::mt19937_64& rng) {
        const std::vector<PlayerMove> moves = engine.LegalMoves();
        ASSERT_FALSE(moves.empty());
        const PlayerMove m = moves[rng() % moves.size()];
        const Point exact = landingPoint(m.card, m.target);
        const Size size = engine.cardSize();
        const int dx = static_cast<int>(rng() % static_cast<unsigned>(size.width)) - size.width / 2;
        const int dy = static_cast<int>(rng() % static_cast<unsigned>(size.height)) - size.height / 2;
        trail.push_back("drop " + std::to_string(m.card) + " near " + PileName(m.target) + " (" + std::to_string(dx) +
                        "," + std::to_string(dy) + ")");
        dropListedMove(m, {exact.x + dx, exact.y + dy});
    }

    void dropListedMove(const PlayerMove& m, Point at) {
        const auto expected = expectedDrop(m.card, at);
        const auto run = runOf(m.card);
        const Snapshot before = snapshot();
        const bool done = engine.DropCard(m.card, at);
        ASSERT_EQ(done, expected.has_value()) << "drop of " << int{m.card} << " at (" << at.x << "," << at.y << ")";
        if (!done) {
            EXPECT_EQ(snapshot(), before) << "a refused drop changed the position";
            return;
        }
        const auto now = PileHolding(engine.position(), m.card);
        ASSERT_TRUE(now.has_value()) << "card " << int{m.card} << " vanished";
        if (now->kind == PileKind::Foundation &&
            IsWholeRunFoundation(engine.rules()[Rule::FoundationFirstCard + now->number - 1])) {
            // The drop completed a whole run, which went on at once.
            EXPECT_EQ(engine.position().piles.pile(*now).size(), kWholeRunCards) << PileName(*now);
            return;
        }
        ASSERT_EQ(PileName(*now), PileName(*expected))
            << "card " << int{m.card} << " dropped at (" << at.x << "," << at.y << ")";
        expectRunOn(run, *now, takesWholeRuns());
    }

    void clickTheStock() {
        const bool wouldAct = engine.StockWouldAct();
        const bool filling = fillPending();
        const Snapshot before = snapshot();
        const int passBefore = engine.game().passNumber;
        trail.push_back(std::string("stock (") + (wouldAct ? "acts" : "idle") + ")");
        if (engine.origins().isOnTable(PileId::Stock())) predict(Move::Of(MoveKind::StockClick));
        clickStock();
        const Snapshot after = snapshot();
        if (wouldAct) {
            // An in-order redeal of a layout it dealt itself gives the same
            // cards back, but spends a pass.
            EXPECT_TRUE(after != before || engine.game().passNumber > passBefore)
                << "the stock was to act but nothing changed";
        } else {
            // The release may run the automatic follow-ups (autoplay may take the
            // waste's top card, a waiting gap may take it); the stock itself stays.
            EXPECT_EQ(after[0], before[0]) << "an idle stock changed";
            if (!engine.autoplayOn() && !filling) {
                for (size_t i = 1; i < kStockListSize; ++i) EXPECT_EQ(after[i], before[i]) << "stock pile " << i;
            }
        }
    }

    void doubleClickATopCard(std::mt19937_64& rng) {
        const std::vector<int> tops = topCards();
        if (tops.empty()) {
            trail.push_back("double-click: no card");
            return;
        }
        const int card = tops[rng() % tops.size()];
        const auto pileBefore = PileHolding(engine.position(), card);
        ASSERT_TRUE(pileBefore.has_value());
        const bool eligible = engine.position().cardTable.IsFaceUp(card) &&
                              (pileBefore->kind == PileKind::Waste || pileBefore->kind == PileKind::Tableau ||
                               pileBefore->kind == PileKind::Reserve);
        // The first click's release fills a gap a drop left first, and that
        // fill may take this very card.
        const bool expectFoundation = !engine.autoplayOn() && !fillPending() && eligible && canGoToAFoundation(card);
        trail.push_back("double-click " + std::to_string(card) + " on " + PileName(*pileBefore) +
                        (expectFoundation ? " (foundation due)" : ""));
        doubleClick(card);
        if (expectFoundation) {
            const auto now = PileHolding(engine.position(), card);
            ASSERT_TRUE(now.has_value());
            EXPECT_EQ(now->kind, PileKind::Foundation)
                << "card " << card << " could go to a foundation but lies on " << PileName(*now);
        }
    }

    // A press on a face-up card on the table, as the pairing games are
    // played (elsewhere a press picks a card up and puts it back).
    void pressACard(std::mt19937_64& rng) {
        // Half the time a selection the engine lists, which must be discarded.
        const auto listed = engine.SelectionMoves();
        if (!listed.empty() && rng() % 2 == 0) {
            const auto& set = listed[rng() % listed.size()];
            std::string text = "press listed";
            for (const CardNumber card : set) text += " " + std::to_string(card);
            trail.push_back(text);
            const size_t steps = engine.history().undo.size();
            engine.ClearSelection();  // the listed sets start from nothing selected
            Move select = Move::Of(MoveKind::Select);
            select.count = static_cast<std::uint8_t>(set.size());
            std::copy(set.begin(), set.end(), select.presses.begin());
            // A face-down card alone is turned over, not selected.
            const bool turn = set.size() == 1 && engine.position().cardTable.IsFaceDown(set[0]);
            const auto pile = PileHolding(engine.position(), set[0]);
            predict(turn && pile ? Move::OnCard(MoveKind::TurnUp, set[0], *pile) : select);
            for (const CardNumber card : set) click(card);
            EXPECT_GT(engine.history().undo.size(), steps) << "a listed selection was not taken";
            EXPECT_TRUE(engine.selection().empty());
            return;
        }
        std::vector<int> cards;
        engine.position().piles.forEach([&](PileId id, const Pile& pile) {
            if (id.kind == PileKind::Stock || !engine.origins().isOnTable(id)) return;
            for (const CardNumber c : pile.groups()) {
                if (c != kNoCard && engine.position().cardTable.IsFaceUp(c)) cards.push_back(c);
            }
        });
        if (cards.empty()) {
            trail.push_back("press: no card");
            return;
        }
        const int card = cards[rng() % cards.size()];
        trail.push_back("press " + std::to_string(card));
        click(card);
    }

    static std::vector<Snapshot> StepLines(const std::vector<CompactPosition>& history) {
        std::vector<Snapshot> lines;
        for (const CompactPosition& step : history) lines.push_back(step.snapshotLines());
        return lines;
    }

    // Saves the game and loads it back: everything a saved game holds comes
    // back as it was; the redo steps, which it does not hold, are gone.
    void saveAndLoad() {
        trail.push_back("save and load");
        const Snapshot before = snapshot();
        const std::vector<Snapshot> history = StepLines(engine.history().undo);
        const GameState game = engine.game();
        const std::filesystem::path file = saveDir / "soak.gam";
        WriteFile(file, SavedGameBytes(engine, settings));
        ASSERT_EQ(LoadSavedGame(file, engine, settings, CatalogueGames()), "");
        EXPECT_EQ(snapshot(), before) << "the loaded position";
        EXPECT_EQ(StepLines(engine.history().undo), history) << "the loaded undo steps";
        EXPECT_TRUE(engine.history().redo.empty());
        EXPECT_EQ(engine.game().score, game.score);
        EXPECT_EQ(engine.game().passNumber, game.passNumber);
        EXPECT_EQ(engine.game().moveLog.text(), game.moveLog.text());
        EXPECT_EQ(engine.game().gameNumber, game.gameNumber);
        EXPECT_TRUE(engine.game().inProgress) << "a loaded game is played on";
        redoModel.clear();
        loadedThisDeal = true;
        ++saves;
    }

    // Undo, redo, or the pair; the models tell what each must give back.
    void undoOrRedo(Action action) {
        const bool couldUndo = !engine.history().undo.empty();
        const bool couldRedo = !engine.history().redo.empty();
        const Snapshot before = snapshot();
        const int scoreBefore = engine.game().score;
        const int passBefore = engine.game().passNumber;
        if (action == Action::UndoRedo) {
            trail.push_back(couldUndo ? "undo+redo" : "undo+redo: nothing to undo");
            if (!couldUndo) return;
            ASSERT_TRUE(engine.Undo());
            if (undoModel.back()) {
                EXPECT_EQ(snapshot(), *undoModel.back()) << "undo gave another position";
            }
            ASSERT_TRUE(engine.Redo());
            EXPECT_EQ(snapshot(), before) << "undo and redo did not come back to the same position";
            EXPECT_EQ(engine.game().score, scoreBefore);
            EXPECT_EQ(engine.game().passNumber, passBefore);
            return;
        }
        const bool undo = action == Action::Undo;
        trail.push_back(undo ? "undo" : "redo");
        const bool done = undo ? engine.Undo() : engine.Redo();
        ASSERT_EQ(done, undo ? couldUndo : couldRedo)
            << (undo ? "undo" : "redo") << " with a history of "
            << (undo ? engine.history().undo.size() : engine.history().redo.size());
        if (!done) {
            EXPECT_EQ(snapshot(), before);
            return;
        }
        auto& from = undo ? undoModel : redoModel;
        auto& to = undo ? redoModel : undoModel;
        ASSERT_FALSE(from.empty());
        if (from.back()) {
            EXPECT_EQ(snapshot(), *from.back()) << (undo ? "undo" : "redo") << " gave another position";
        }
        from.pop_back();
        to.push_back(before);
    }

    // After a step that was neither undo nor redo: the history must have
    // recorded any change, and the models follow.
    void recordStep(const Snapshot& before, size_t undoBefore, size_t redoBefore, bool gapWaiting) {
        const Snapshot after = snapshot();
        const size_t undoAfter = engine.history().undo.size();
        ASSERT_GE(undoAfter, undoBefore) << "a step shrank the undo history";
        // The one change that may join the step before it: the automatic fill
        // of a tableau pile that an earlier move left empty (a drop, or a
        // double-click before the release that follows it), which belongs to
        // that move.
        bool filledAGap = false;
        for (int t = 1; t <= engine.rules()[Rule::TableauCount]; ++t) {
            const size_t line = kStockListSize + kFoundationCount + static_cast<size_t>(t) - 1;
            filledAGap = filledAGap || (before[line].empty() && !after[line].empty());
        }
        // A waiting gap may also be filled and emptied again within the action.
        const bool foldedFill =
            engine.rules()[Rule::AutoFillEmptyTableau] != 0 && (filledAGap || gapWaiting) && undoAfter > 0;
        if (after != before) {
            EXPECT_TRUE(undoAfter > undoBefore || foldedFill) << "the position changed but no undo step was recorded";
            EXPECT_TRUE(engine.history().redo.empty()) << "the position changed but redo still holds steps";
        }
        if (undoAfter > undoBefore) {
            // After a folded fill the new step starts from the filled position,
            // which is not seen here.
            undoModel.push_back(foldedFill ? std::nullopt : std::optional<Snapshot>(before));
            // Further steps of one action (a drop and a separate face-up turn)
            // restore positions between the two that are not seen here either.
            for (size_t i = undoBefore + 1; i < undoAfter; ++i) undoModel.push_back(std::nullopt);
            redoModel.clear();
        }
        if (engine.history().redo.empty()) redoModel.clear();
        EXPECT_TRUE(engine.history().redo.size() == redoBefore || engine.history().redo.empty())
            << "a step changed the redo history without emptying it";
    }

    void playOneDeal(int code, const std::string& number, std::uint64_t seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " game " << code << " number " << number);
        std::mt19937_64 rng(seed);
        trail.clear();
        loadedThisDeal = false;
        undoModel.clear();
        redoModel.clear();
        fake.sounds.clear();
        fake.pauses.clear();

        engine.SetAutoplay(false);
        deal(code, number);
        ASSERT_FALSE(HasFatalFailure());
        const Snapshot dealt = snapshot();
        const int dealtScore = engine.game().score;
        ASSERT_TRUE(engine.history().undo.empty());
        checkInvariants();
        if (HasFailure()) return;

        for (int step = 0; step < kStepsPerNumber && engine.game().inProgress; ++step) {
            // Weights: moves most often, the rest now and then.
            const int roll = static_cast<int>(rng() % 100);
            Action action = roll < 30   ? Action::Drag
                            : roll < 45 ? Action::Drop
                            : roll < 60 ? Action::Stock
                            : roll < 70 ? Action::Undo
                            : roll < 77 ? Action::Redo
                            : roll < 85 ? Action::UndoRedo
                            : roll < 95 ? Action::DoubleClick
                            : roll < 97 ? Action::SaveLoad
                                        : Action::ToggleAutoplay;
            // The pairing games are played by pressing cards.
            const bool pressing = engine.rules()[Rule::SelectionPlay] != 0;
            if (pressing && (action == Action::Drag || action == Action::Drop || action == Action::DoubleClick)) {
                action = Action::Press;
            }
            // Mostly clicks that do something; an idle click now and then.
            if (action == Action::Stock && !engine.StockWouldAct() && rng() % 4 != 0) action = Action::Drag;
            // With no move to make a player turns the stock or takes a step back.
            if ((action == Action::Drag || action == Action::Drop) && engine.LegalMoves().empty()) {
                action = engine.StockWouldAct() ? Action::Stock : rng() % 2 ? Action::Press : Action::Undo;
            }

            const Snapshot before = snapshot();
            const size_t undoBefore = engine.history().undo.size();
            const size_t redoBefore = engine.history().redo.size();
            const bool gapWaiting = fillPending();
            switch (action) {
                case Action::Drag: dragListedMove(rng); break;
                case Action::Drop: dropNear(rng); break;
                case Action::Stock: clickTheStock(); break;
                case Action::DoubleClick: doubleClickATopCard(rng); break;
                case Action::Press: pressACard(rng); break;
                case Action::SaveLoad: saveAndLoad(); break;
                case Action::ToggleAutoplay:
                    trail.push_back(engine.autoplayOn() ? "autoplay off" : "autoplay on");
                    engine.SetAutoplay(!engine.autoplayOn());
                    break;
                case Action::Undo:
                case Action::Redo:
                case Action::UndoRedo: undoOrRedo(action); break;
            }
            ++steps;
            if (!HasFailure()) checkPrediction();
            predicted.reset();
            if (!HasFailure() && action != Action::Undo && action != Action::Redo && action != Action::UndoRedo &&
                action != Action::SaveLoad) {
                recordStep(before, undoBefore, redoBefore, gapWaiting);
            }
            if (!HasFailure()) checkInvariants();
            if (HasFailure()) {
                ADD_FAILURE() << "after step " << step + 1 << " (the last of the trail)\n" << trailText();
                return;
            }
        }

        // A won game is over and keeps its history to itself.
        if (!engine.game().inProgress) return;

        // Undo everything: back to the deal; redo everything: back to here.
        const Snapshot last = snapshot();
        const int lastScore = engine.game().score;
        const int lastPass = engine.game().passNumber;
        const size_t steps = engine.history().undo.size();
        for (size_t i = 0; i < steps; ++i) ASSERT_TRUE(engine.Undo()) << "undo " << i + 1 << " of " << steps;
        EXPECT_FALSE(engine.Undo()) << "more undo steps than the history held";
        EXPECT_EQ(snapshot(), dealt) << "undoing every step did not give the deal back\n" << trailText();
        EXPECT_EQ(engine.game().score, dealtScore);
        // A saved game keeps no pass for its steps: after a load, an undo
        // finds a redeal by the stock turned over, which a shuffle of the
        // tableau is not.
        const bool passesKept = !loadedThisDeal || engine.rules()[Rule::ShuffleRedeal] == 0;
        if (passesKept) {
            EXPECT_EQ(engine.game().passNumber, 1);
        }
        EXPECT_EQ(engine.history().redo.size(), steps + redoModel.size());
        for (size_t i = 0; i < steps; ++i) ASSERT_TRUE(engine.Redo()) << "redo " << i + 1 << " of " << steps;
        EXPECT_EQ(snapshot(), last) << "redoing every step did not give the last position back\n" << trailText();
        EXPECT_EQ(engine.game().score, lastScore);
        if (passesKept) {
            EXPECT_EQ(engine.game().passNumber, lastPass);
        }
    }
};

TEST_P(EngineSoak, RandomPlayKeepsEveryInvariant) {
    const int code = GetParam();
    std::mt19937_64 numbers(kSoakSeed + static_cast<std::uint64_t>(code));
    const auto deadline = SoakDeadline();
    int i = 0;
    for (; !HasFailure() && (i < kNumbersPerGame || (deadline && std::chrono::steady_clock::now() < *deadline)); ++i) {
        // Small numbers as players type them, then numbers of any length.
        const std::string number = i < 8 ? std::to_string(i + 1) : std::to_string(numbers() % 10'000'000'000'000ULL);
        const std::uint64_t seed = kSoakSeed ^ (static_cast<std::uint64_t>(code) << 32) ^ static_cast<std::uint64_t>(i);
        playOneDeal(code, number, seed);
    }
    if (deadline) {
        std::cout << "soak: game " << code << ": " << i << " deals, " << steps << " steps, " << saves
                  << " saves and loads\n";
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EngineSoak, ::testing::ValuesIn(CatalogueGameCodes()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Game" + std::to_string(info.param); });

// A double-click and the automatic follow-ups it sets off (here autoplay
// taking the ace it uncovers) are one undo step, as a drag and its
// follow-ups are.
class EngineFollowUps : public EngineFixture {
protected:
    // FreeCell: the ace of hearts under the nine of spades, the free cells empty.
    void setUpAceUnderNine() {
        playFrom(kFreeCell, {{PileId::Tableau(1), {Hearts(1), Spades(9)}}, {PileId::Tableau(2), {Clubs(5)}},
                             {PileId::Tableau(3), {Diamonds(13)}}});
        engine.SetAutoplay(true);
        ASSERT_TRUE(engine.history().undo.empty()) << "nothing for autoplay yet";
    }
};

TEST_F(EngineFollowUps, ADragOrDoubleClickToAFreeCellAndTheAutoplayAfterItAreOneUndoStep) {
    for (const bool byDoubleClick : {false, true}) {
        SCOPED_TRACE(byDoubleClick ? "double-click" : "drag");
        setUpAceUnderNine();
        const auto before = snapshot();
        if (byDoubleClick) {
            doubleClick(Spades(9));
        } else {
            ASSERT_TRUE(drag(Spades(9), PileId::Reserve(1)));
        }
        ASSERT_EQ(engine.position().piles.reserves[0].top(), Spades(9)) << "the nine went to a free cell";
        ASSERT_EQ(engine.position().piles.foundations[0].top(), Hearts(1)) << "autoplay took the uncovered ace";
        EXPECT_EQ(engine.history().undo.size(), 1u) << "one player action, one undo step";
        ASSERT_TRUE(engine.Undo());
        EXPECT_EQ(snapshot(), before) << "one undo should take back the action with its autoplay";
    }
}

}  // namespace
}  // namespace dravicor::test
