// Worked examples of the move core where it could go its own way: each
// family's exceptions, the stock actions, the first-move rule, and for every
// move that it is taken back exactly, pass, counters and faces included.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "play/dealt_state.h"
#include "engine/poker.h"
#include "play/move_core.h"
#include "rules/catalogue.h"
#include "rules/layout.h"
#include "engine/engine_fixture.h"

namespace dravicor::test {
namespace {

constexpr int kPyramid = 7;
constexpr int kPokerSquares = 8;
constexpr int kMonteCarlo = 10;
constexpr int kGolf = 12;
constexpr int kDecade = 13;
constexpr int kLaBelleLucie = 18;
constexpr int kCruel = 250;
constexpr int kAcesUp = 246;
constexpr int kFiringSquad = 248;
constexpr int kFortunes = 249;

GameRules Catalogue(int code) { return LoadGameRules(BuiltCatalogue(), code, NoCustomGames()); }

// A game's rules, changed as a case needs, over a position laid out by hand.
PlayState Table(int code, const std::function<void(GameRules&)>& change = {}) {
    GameRules rules = Catalogue(code);
    if (change) change(rules);
    return PlayState(rules);
}

// Lays cards on a pile, bottom first; the first faceDown of them face down.
void Lay(PlayState& state, PileId pile, std::initializer_list<int> cards, int faceDown = 0) {
    int i = 0;
    for (const int card : cards) state.position.Append(pile, static_cast<CardNumber>(card), i++ >= faceDown);
}

std::string Text(const PlayState& state, PileId pile) { return SnapshotLine(state.position, pile); }

std::vector<std::string> Listed(const PlayState& state) {
    MoveList moves;
    GenerateMoves(state, moves);
    std::vector<std::string> texts;
    for (const Move& m : moves) texts.push_back(MoveText(m));
    return texts;
}

bool Lists(const PlayState& state, const std::string& move) {
    const auto texts = Listed(state);
    return std::find(texts.begin(), texts.end(), move) != texts.end();
}

// Makes the move with its follow-ups, lets the case look, and takes both back.
void PlayAndTakeBack(PlayState& state, const Move& move, const std::function<void(const PlayState&)>& expect) {
    const PlayState before = state;
    Journal journal;
    const MoveResult made = ApplyMove(state, move, journal);
    ASSERT_TRUE(made.applied) << MoveText(move);
    ApplyFollowUps(state, journal);
    expect(state);
    UndoMove(state, journal, made.undo);
    EXPECT_TRUE(state == before) << "taking back " << MoveText(move) << " did not give the state back";
    EXPECT_EQ(journal.size(), 0u);
}

// The piles the rules say a game shows are the piles the table layout puts
// on the table, for every game of the catalogue and for the hand-made tables.
TEST(PlayState, PilesInPlayAreThePilesOnTheTable) {
    std::vector<GameRules> games;
    for (const int code : CatalogueGameCodes()) {
        games.push_back(Catalogue(code));
        for (const int handMade : {62, 64, 69}) {
            GameRules rules = games.back();
            rules.set(Rule::TableLayoutModel, handMade);
            for (const int count : {Rule::FoundationCount, Rule::TableauCount, Rule::ReserveCount}) rules.set(count, 16);
            games.push_back(rules);
        }
    }
    ASSERT_GT(games.size(), 100u);
    for (const GameRules& rules : games) {
        const PileOrigins origins = ComputeLayout(rules, {71, 96}, TableArea{});
        for (int i = 0; i < kPileCount; ++i) {
            const PileId pile = PileOfIndex(i);
            EXPECT_EQ(PileInPlay(rules, pile), origins.isOnTable(pile))
                << PileName(pile) << " in a game of layout model " << rules[Rule::TableLayoutModel];
        }
    }
}

// FreeCell: a run may go to a pile as far as the free cells and empty piles
// could carry it card by card; fewer cards go to an empty pile.
TEST(MoveCore, RunsMoveAsFarAsTheFreeCellsCarryThem) {
    PlayState state = Table(kFreeCell);
    Lay(state, PileId::Tableau(1), {Diamonds(2), Hearts(10), Spades(9), Hearts(8)});
    Lay(state, PileId::Tableau(2), {Clubs(11)});
    for (int t = 4; t <= 8; ++t) Lay(state, PileId::Tableau(t), {Clubs(t - 2)});
    Lay(state, PileId::Reserve(1), {Diamonds(7)});
    Lay(state, PileId::Reserve(2), {Diamonds(8)});
    Lay(state, PileId::Reserve(3), {Diamonds(9)});
    // One free cell and one empty pile: three cards onto a card, two onto the empty pile.
    EXPECT_TRUE(Lists(state, "010 Fila1 -> Fila2"));
    EXPECT_FALSE(Lists(state, "010 Fila1 -> Fila3"));
    EXPECT_TRUE(Lists(state, "048 Fila1 -> Fila3"));
    PlayAndTakeBack(state, Move::CardTo(Hearts(10), PileId::Tableau(1), PileId::Tableau(2), 3), [](const PlayState& s) {
        EXPECT_EQ(s.position.piles.tableau[1].ToText(), "037010048008");
        EXPECT_EQ(s.position.piles.tableau[0].ToText(), "015");
        EXPECT_EQ(s.moveCounter, 1);
    });
}

// Golf: a press takes a tableau top to the discard pile only when it is one
// rank from the pile's top card; Rule::DiscardStopsAtKing decides whether
// King and Ace are neighbours or a King takes nothing.
TEST(MoveCore, GolfDiscardsOnlyNeighbours) {
    struct Case {
        int ranks;
        int discardTop;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {DiscardRanks::KingAndAceNeighbours, Hearts(13), {"027 Fila1 -> Waste", "038 Fila2 -> Waste", "stock"}},
        {DiscardRanks::StopAtKing, Hearts(13), {"stock"}},
        {DiscardRanks::KingAndAceNeighbours, Hearts(1), {"039 Fila4 -> Waste", "028 Fila5 -> Waste", "stock"}},
        {DiscardRanks::StopAtKing, Hearts(1), {"028 Fila5 -> Waste", "stock"}},
    };
    for (const Case& c : cases) {
        PlayState state = Table(kGolf, [&](GameRules& r) { r.set(Rule::DiscardStopsAtKing, c.ranks); });
        Lay(state, PileId::SecondWaste(), {c.discardTop});
        Lay(state, PileId::Tableau(1), {Clubs(1)});
        Lay(state, PileId::Tableau(2), {Clubs(12)});
        Lay(state, PileId::Tableau(3), {Clubs(5)});
        Lay(state, PileId::Tableau(4), {Clubs(13)});
        Lay(state, PileId::Tableau(5), {Clubs(2)});
        Lay(state, PileId::Stock(), {Diamonds(6)}, 1);
        EXPECT_EQ(Listed(state), c.listed) << "ranks rule " << c.ranks << ", discard top " << c.discardTop;
        if (&c != &cases[0]) continue;
        // Taken back exactly; on the Ace the King and the two are its neighbours, the Queen is not.
        const Move ace = Move::CardTo(Clubs(1), PileId::Tableau(1), PileId::SecondWaste());
        PlayAndTakeBack(state, ace, [&](const PlayState& s) {
            EXPECT_EQ(s.position.piles.stock[2].ToText(), "013027");
            EXPECT_EQ(Listed(s), cases[2].listed);
        });
    }
}

// The pairing games: a completed selection goes to the discard pile; the
// side-by-side pyramid keeps the card's place as an empty slot.
TEST(MoveCore, SelectionsDiscardAndLeaveTheirPlaces) {
    struct Case {
        const char* name;
        int code;
        std::function<void(PlayState&)> lay;
        std::vector<int> presses;
        std::function<void(const PlayState&)> expect;
    };
    const std::vector<Case> cases = {
        {"pyramid King alone", kPyramid, [](PlayState& s) { Lay(s, PileId::Tableau(1), {Hearts(13)}); },
         {Hearts(13)},
         [](const PlayState& s) {
             EXPECT_EQ(s.position.piles.tableau[0].ToText(), "000");
             EXPECT_EQ(s.position.piles.stock[2].ToText(), "013");
         }},
        {"pyramid pair to 13", kPyramid,
         [](PlayState& s) {
             Lay(s, PileId::Tableau(1), {Hearts(13)});
             Lay(s, PileId::Tableau(2), {Clubs(4), Clubs(9)});
         },
         {Clubs(4), Clubs(9)},
         [](const PlayState& s) { EXPECT_EQ(s.position.piles.tableau[1].ToText(), "000000"); }},
        {"decade neighbours worth 20", kDecade,
         [](PlayState& s) { Lay(s, PileId::Tableau(1), {Hearts(5), Clubs(13), Spades(12), Diamonds(3)}); },
         {Clubs(13), Spades(12)},
         [](const PlayState& s) { EXPECT_EQ(s.position.piles.tableau[0].ToText(), "005016"); }},
        {"monte carlo touching pair", kMonteCarlo,
         [](PlayState& s) {
             Lay(s, PileId::Tableau(7), {Hearts(5)});
             Lay(s, PileId::Tableau(13), {Clubs(5)});
             Lay(s, PileId::Tableau(14), {Clubs(8)});
         },
         {Hearts(5), Clubs(5)},
         [](const PlayState& s) {
             EXPECT_TRUE(s.position.piles.tableau[6].empty());
             EXPECT_EQ(s.position.piles.stock[2].ToText(), "005031");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayState state = Table(c.code);
        c.lay(state);
        Move select = Move::Of(MoveKind::Select);
        select.count = static_cast<std::uint8_t>(c.presses.size());
        for (size_t i = 0; i < c.presses.size(); ++i) select.presses[i] = static_cast<CardNumber>(c.presses[i]);
        EXPECT_TRUE(Lists(state, MoveText(select)));
        PlayAndTakeBack(state, select, c.expect);
    }
}

// Aces Up: a top card is discarded while another pile shows a higher card
// of its suit, Aces high; an empty pile takes any top card (in Fortunes a
// pile's top cards together, in Firing Squad the free cell's card too).
TEST(MoveCore, AcesUpDiscardsAndFillsEmptyPiles) {
    struct Case {
        int code;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {kAcesUp, {"035 Fila1 -> Dest1", "035 Fila1 -> Fila3", "037 Fila2 -> Fila3", "002 Fila4 -> Fila3", "stock"}},
        {kFortunes,
         {"005 Fila1 -> Fila3", "035 Fila1 -> Dest1", "035 Fila1 -> Fila3", "052 Fila2 -> Fila3", "037 Fila2 -> Fila3",
          "002 Fila4 -> Fila3", "stock"}},
        {kFiringSquad,
         {"035 Fila1 -> Dest1", "035 Fila1 -> Fila3", "037 Fila2 -> Fila3", "002 Fila4 -> Fila3", "020 Appogg1 -> Fila3",
          "stock"}},
    };
    for (const Case& c : cases) {
        PlayState state = Table(c.code);
        Lay(state, PileId::Tableau(1), {Hearts(5), Clubs(9)});
        Lay(state, PileId::Tableau(2), {Spades(13), Clubs(11)});
        Lay(state, PileId::Tableau(4), {Hearts(2)});
        if (c.code == kFiringSquad) Lay(state, PileId::Reserve(1), {Diamonds(7)});
        Lay(state, PileId::Stock(), {Diamonds(1), Diamonds(2), Diamonds(3), Diamonds(4)}, 4);
        EXPECT_EQ(Listed(state), c.listed) << "game " << c.code;
    }
}

// A press that makes no discard only selects; a refused one says so.
TEST(MoveCore, PressesSelectAndAreRefused) {
    PlayState state = Table(kPyramid);
    Lay(state, PileId::Tableau(1), {Hearts(4)});
    Lay(state, PileId::Tableau(2), {Clubs(5), Clubs(6)});
    Lay(state, PileId::Tableau(7), {Spades(2)});
    Journal journal;
    const MoveResult covered = ApplyMove(state, Move::OnCard(MoveKind::Press, Hearts(4), PileId::Tableau(1)), journal);
    EXPECT_TRUE(covered.refused && !covered.applied) << "the four lies under the next line";
    EXPECT_TRUE(ApplyMove(state, Move::OnCard(MoveKind::Press, Clubs(5), PileId::Tableau(2)), journal).applied);
    EXPECT_TRUE(ApplyMove(state, Move::OnCard(MoveKind::Press, Clubs(6), PileId::Tableau(2)), journal).applied);
    const MoveResult third = ApplyMove(state, Move::OnCard(MoveKind::Press, Spades(2), PileId::Tableau(7)), journal);
    EXPECT_TRUE(third.refused) << "a third card";
    EXPECT_EQ(state.selection.cards(), (std::vector<CardNumber>{Clubs(5), Clubs(6)}));
    UndoMove(state, journal, UndoMark{});
    EXPECT_TRUE(state.selection.empty());
}

// Monte Carlo: the stock closes the grid's gaps in pile order and deals
// its top cards into the places left at the end.
TEST(MoveCore, TheGridClosesItsGaps) {
    PlayState state = Table(kMonteCarlo);
    Lay(state, PileId::Tableau(2), {Hearts(5)});
    Lay(state, PileId::Tableau(4), {Clubs(9)});
    Lay(state, PileId::Stock(), {Spades(1), Spades(2)}, 2);
    PlayAndTakeBack(state, Move::Of(MoveKind::StockClick), [](const PlayState& s) {
        EXPECT_EQ(Text(s, PileId::Tableau(1)), "0051");
        EXPECT_EQ(Text(s, PileId::Tableau(2)), "0351");
        EXPECT_EQ(Text(s, PileId::Tableau(3)), "0411");
        EXPECT_EQ(Text(s, PileId::Tableau(4)), "0401");
        EXPECT_TRUE(s.position.piles.stock[0].empty());
    });
}

// La Belle Lucie: with the stock empty the click gathers the tableau, mixes
// it by the fixed rule and deals it again in a new pass.
TEST(MoveCore, AShuffleRedealIsTakenBackFacesAndAll) {
    PlayState state = Table(kLaBelleLucie);
    Lay(state, PileId::Tableau(1), {Hearts(2), Hearts(9), Clubs(4)});
    Lay(state, PileId::Tableau(2), {Spades(13), Diamonds(6)});
    ASSERT_TRUE(Lists(state, "stock"));
    PlayAndTakeBack(state, Move::Of(MoveKind::StockClick), [](const PlayState& s) {
        // Gathered top down: 4C 9H 2H 6D KS; mixed from the middle: 2H 4C 9H 6D KS.
        EXPECT_EQ(s.position.piles.tableau[0].ToText(), "002030009");
        EXPECT_EQ(s.position.piles.tableau[1].ToText(), "019052");
        EXPECT_EQ(s.passNumber, 2);
    });
}

// Cruel: the click redeals without mixing, the first piles refilled to
// four from the cards after them; taking it back gives every face back too.
TEST(MoveCore, AnInOrderRedealIsTakenBackFacesAndAll) {
    PlayState state = Table(kCruel);
    Lay(state, PileId::Tableau(1), {Hearts(2), Hearts(9), Clubs(4)});
    Lay(state, PileId::Tableau(2), {Spades(13), Diamonds(6)}, 1);
    Lay(state, PileId::Tableau(4), {Clubs(9)});
    ASSERT_TRUE(Lists(state, "stock"));
    PlayAndTakeBack(state, Move::Of(MoveKind::StockClick), [](const PlayState& s) {
        EXPECT_EQ(s.position.piles.tableau[0].ToText(), "002009030052");
        EXPECT_EQ(s.position.piles.tableau[1].ToText(), "019035");
        for (int t = 2; t < 12; ++t) EXPECT_TRUE(s.position.piles.tableau[static_cast<size_t>(t)].empty()) << t;
        EXPECT_TRUE(s.position.cardTable.IsFaceUp(Spades(13)));
        EXPECT_EQ(s.passNumber, 2);
    });
}

// A deal is won when the tableau, stock, waste and reserves are empty; a
// poker grid is over when full but won only with a hundred points.
TEST(MoveCore, WinTests) {
    PlayState klondike = Table(kKlondike);
    for (int f = 1; f <= 4; ++f) Lay(klondike, PileId::Foundation(f), {f * 13});
    EXPECT_TRUE(IsWon(klondike));
    Lay(klondike, PileId::Waste(), {Hearts(1)});
    EXPECT_FALSE(IsWon(klondike));

    for (const bool flushes : {true, false}) {
        PlayState poker = Table(kPokerSquares);
        // Rows of one suit each make a flush, five of them a hundred points;
        // the other grid makes no hand at all.
        for (int t = 0; t < 25; ++t) {
            const int card = flushes ? (t / 5) % 4 * 13 + t % 5 * 2 + 1 + (t / 20) : (t % 4) * 13 + (t * 3 + t / 5 * 3) % 13 + 1;
            Lay(poker, PileId::Tableau(t + 1), {card});
        }
        EXPECT_TRUE(WinTestHolds(poker));
        EXPECT_EQ(IsWon(poker), flushes);
        EXPECT_EQ(PokerGridTotal(poker.position) >= 100, flushes);
    }
}

// The first-move rule allows only tableau cards to the foundations, and no
// stock click.
TEST(MoveCore, TheFirstMoveRule) {
    PlayState opening = Table(kKlondike, [](GameRules& r) { r.set(Rule::OpeningPhase, 1); });
    Lay(opening, PileId::Tableau(1), {Hearts(1)});
    Lay(opening, PileId::Tableau(2), {Clubs(11)});
    Lay(opening, PileId::Tableau(3), {Hearts(12)});
    Lay(opening, PileId::Waste(), {Diamonds(1)});
    Lay(opening, PileId::Stock(), {Diamonds(9)}, 1);
    Journal journal;
    EXPECT_FALSE(ApplyMove(opening, Move::Of(MoveKind::StockClick), journal).applied);
    EXPECT_FALSE(ApplyMove(opening, Move::CardTo(Diamonds(1), PileId::Waste(), PileId::Foundation(1)), journal).applied);
    EXPECT_EQ(Listed(opening), (std::vector<std::string>{"001 Fila1 -> Dest1", "001 Fila1 -> Dest2",
                                                         "001 Fila1 -> Dest3", "001 Fila1 -> Dest4"}));
}

// Autoplay as a follow-up sends what the foundations take, turning the
// face-down top it uncovers; with ReorderAfterFoundation a foundation is
// kept in card order.
TEST(MoveCore, AutoplayAndReorderedFoundations) {
    PlayState state = Table(kKlondike);
    state.options.autoplay = true;
    Lay(state, PileId::Foundation(1), {Hearts(1)});
    Lay(state, PileId::Tableau(1), {Hearts(3), Spades(5)}, 1);
    Lay(state, PileId::Tableau(2), {Hearts(2)});
    Lay(state, PileId::Tableau(3), {Diamonds(6)});
    PlayAndTakeBack(state, Move::CardTo(Spades(5), PileId::Tableau(1), PileId::Tableau(3)), [](const PlayState& s) {
        EXPECT_EQ(Text(s, PileId::Foundation(1)), "001100210031");
        EXPECT_TRUE(s.position.piles.tableau[0].empty());
    });

    PlayState down = Table(kKlondike, [](GameRules& r) {
        r.set(Rule::ReorderAfterFoundation, 1);
        r.set(Rule::FoundationDirection, 0);
        r.set(Rule::FoundationFirstCard, 13);
    });
    Lay(down, PileId::Foundation(1), {Hearts(13)});
    Lay(down, PileId::Tableau(1), {Hearts(12)});
    PlayAndTakeBack(down, Move::CardTo(Hearts(12), PileId::Tableau(1), PileId::Foundation(1)),
                    [](const PlayState& s) { EXPECT_EQ(Text(s, PileId::Foundation(1)), "01210131"); });
}

}  // namespace
}  // namespace dravicor::test
