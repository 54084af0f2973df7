// The key numbers of the help, checked against the engine itself: every
// listed game is dealt, its stock clicked and its empty tableau piles
// offered cards, and what happens must be what the summary says.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/engine_fixture.h"
#include "engine/player_input.h"
#include "rules/custom_games.h"
#include "rules/key_numbers.h"

namespace dravicor::test {
namespace {

std::vector<CatalogueColumn> ListedGames() {
    std::vector<CatalogueColumn> games = CatalogueColumns();
    std::erase_if(games, [](const CatalogueColumn& game) { return game.name.empty(); });
    return games;
}

int Size(const Pile& pile) {
    return static_cast<int>(std::count_if(pile.groups().begin(), pile.groups().end(), [](CardNumber c) { return c != kNoCard; }));
}

// How many piles of a kind grew by exactly one card, and whether any other changed.
struct Growth {
    int grewByOne = 0;
    int otherwiseChanged = 0;
};
template <size_t N>
Growth GrowthOf(const std::array<Pile, N>& before, const std::array<Pile, N>& after) {
    Growth growth;
    for (size_t i = 0; i < N; ++i) {
        const int change = Size(after[i]) - Size(before[i]);
        if (change == 1) ++growth.grewByOne;
        else if (change != 0) ++growth.otherwiseChanged;
    }
    return growth;
}

class KeyNumbersAgree : public EngineFixture {
protected:
    // Discards the first selection the engine offers; false when none.
    bool discardOnce() {
        const auto moves = engine.SelectionMoves();
        return !moves.empty() && PressCards(engine, moves.front());
    }
};

TEST_F(KeyNumbersAgree, AStockClickDealsWhatTheSummarySays) {
    const auto games = ListedGames();
    ASSERT_GE(games.size(), 30u);
    for (const CatalogueColumn& game : games) {
        SCOPED_TRACE(game.name);
        const StockFacts facts = ReadStockFacts(game.rules);
        deal(game.code);
        const Position before = engine.position();
        const PileLists& was = before.piles;
        if (facts.cardsVary) {
            EXPECT_LE(Size(was.stock[0]), facts.cards);
        } else {
            EXPECT_EQ(Size(was.stock[0]), facts.cards);
        }
        const bool clicked = ClickStock(engine);
        const PileLists& now = engine.position().piles;
        const int taken = Size(was.stock[0]) - Size(now.stock[0]);
        switch (facts.deal) {
            case StockDeal::None:
            case StockDeal::NotDealt:
            case StockDeal::FillsTableau:
                EXPECT_FALSE(clicked);
                EXPECT_EQ(engine.position(), before);
                break;
            case StockDeal::ShuffleOnly:
                EXPECT_TRUE(clicked);
                EXPECT_EQ(engine.game().passNumber, 2);
                EXPECT_EQ(Size(now.stock[0]), 0);
                break;
            case StockDeal::ToWaste:
            case StockDeal::ToDiscard: {
                const size_t to = facts.deal == StockDeal::ToWaste ? 1 : 2;
                EXPECT_TRUE(clicked);
                EXPECT_EQ(taken, std::min(facts.perClick, facts.cards));
                EXPECT_EQ(Size(now.stock[to]) - Size(was.stock[to]), taken);
                break;
            }
            case StockDeal::ToTableau:
            case StockDeal::ToTableauNoGaps:
            case StockDeal::ToReserves: {
                EXPECT_TRUE(clicked);
                const Growth growth = facts.deal == StockDeal::ToReserves ? GrowthOf(was.reserves, now.reserves)
                                                                          : GrowthOf(was.tableau, now.tableau);
                EXPECT_EQ(growth.grewByOne, facts.piles);
                EXPECT_EQ(growth.otherwiseChanged, 0);
                EXPECT_EQ(taken, facts.piles);
                break;
            }
            case StockDeal::ToReservesTwice: ADD_FAILURE() << "no shipped game deals to its reserves twice"; break;
            case StockDeal::ClosesGaps:
                EXPECT_FALSE(clicked) << "the dealt grid has no gap";
                ASSERT_TRUE(discardOnce());
                EXPECT_TRUE(ClickStock(engine));
                EXPECT_GT(Size(was.stock[0]) - Size(engine.position().piles.stock[0]), 0);
                break;
        }
    }
}

TEST_F(KeyNumbersAgree, TheStockWaitsForTheGapsWhereTheSummarySaysSo) {
    int checked = 0;
    for (const CatalogueColumn& game : ListedGames()) {
        if (ReadStockFacts(game.rules).deal != StockDeal::ToTableauNoGaps) continue;
        SCOPED_TRACE(game.name);
        ++checked;
        deal(game.code);
        Position gap = engine.position();
        gap.piles.tableau[0].clear();
        playFrom(gap);
        EXPECT_FALSE(ClickStock(engine));
        EXPECT_EQ(engine.position(), gap);
    }
    EXPECT_GT(checked, 0);
}

TEST_F(KeyNumbersAgree, RedealsAreTheOnesTheEngineAllows) {
    constexpr int kEnoughForUnlimited = 6;
    for (const CatalogueColumn& game : ListedGames()) {
        SCOPED_TRACE(game.name);
        const KeyNumbers numbers = ReadKeyNumbers(game.rules);
        deal(game.code);
        int redeals = 0;
        for (int click = 0; click < 3000 && redeals < kEnoughForUnlimited && engine.StockWouldAct(); ++click) {
            const int pass = engine.game().passNumber;
            ClickStock(engine);
            if (engine.game().passNumber > pass) ++redeals;
        }
        if (numbers.redeals) {
            EXPECT_EQ(redeals, *numbers.redeals);
        } else {
            EXPECT_EQ(redeals, kEnoughForUnlimited) << "unlimited redeals";
        }
    }
}

TEST_F(KeyNumbersAgree, EmptyTableauPilesTakeWhatTheSummarySays) {
    int checked = 0;
    for (const CatalogueColumn& game : ListedGames()) {
        const EmptyTableauFacts facts = ReadEmptyTableauFacts(game.rules);
        // A pile with a rule of its own is left to the rules text.
        if (game.rules[Rule::SelectionPlay] != 0 || facts.rule == EmptyTableau::NoTableau ||
            facts.rule == EmptyTableau::OwnRule) {
            continue;
        }
        SCOPED_TRACE(game.name);
        ++checked;
        deal(game.code);  // the deal's rewrites of the empty-pile values apply
        Position emptied = engine.position();
        emptied.piles.tableau[0].clear();
        const bool hasWaste = engine.origins().isOnTable(PileId::Waste());
        // The deal sets the base; a King is the rank below an Ace.
        const int base = engine.rules()[Rule::FoundationFirstCard];
        const int belowBase = base >= 2 && base <= 13 ? base - 1 : 13;
        for (int rank = 1; rank <= 13; ++rank) {
            for (const int card : {rank, 39 + rank}) {  // a heart and a spade
                for (const PileId from : {PileId::Tableau(2), PileId::Waste()}) {
                    if (from.kind == PileKind::Waste && !hasWaste) continue;
                    Position offered = emptied;
                    offered.piles.RemoveCardAnywhere(card, RemoveMode::Delete);
                    offered.Append(from, static_cast<CardNumber>(card), true);
                    engine.setPosition(offered);
                    const bool fromTableau = from.kind == PileKind::Tableau;
                    bool expected = false;
                    switch (facts.rule) {
                        case EmptyTableau::AnyCard: expected = true; break;
                        case EmptyTableau::NoCard: expected = false; break;
                        case EmptyTableau::OneRank: expected = rank == facts.rank; break;
                        case EmptyTableau::RankBelowBase: expected = rank == belowBase; break;
                        case EmptyTableau::FromStockOrWaste:
                        case EmptyTableau::NotFromTableau:
                        case EmptyTableau::NotFromTableauOrReserve: expected = !fromTableau; break;
                        default: ADD_FAILURE() << "a rule no shipped game should have"; break;
                    }
                    EXPECT_EQ(engine.CanPlace(card, PileId::Tableau(1)), expected)
                        << "card " << card << " from " << PileName(from);
                }
            }
        }
        if (facts.autoFill == AutoFill::Reserve) {
            Position waiting = emptied;
            const CardNumber top = waiting.piles.reserves[0].top();
            ASSERT_NE(top, kNoCard);
            playFrom(waiting);
            engine.AutoFillTableau();
            EXPECT_EQ(engine.position().piles.tableau[0].top(), top) << "filled at once from the reserve";
        }
    }
    EXPECT_GE(checked, 10);
}

// A discard that takes every card of a pile empties it, unless the pile
// keeps the places of its cards; the summary says whether the stock then
// fills it.
TEST_F(KeyNumbersAgree, EmptiedPlacesOfThePairingGamesAreFilledOrLeftAsTheSummarySays) {
    int discards = 0;
    int emptyingDiscards = 0;
    for (const CatalogueColumn& game : ListedGames()) {
        if (game.rules[Rule::SelectionPlay] == 0) continue;
        const EmptyTableauFacts facts = ReadEmptyTableauFacts(game.rules);
        SCOPED_TRACE(game.name);
        deal(game.code);
        for (int discard = 0; discard < 20; ++discard) {
            const auto moves = engine.SelectionMoves();
            if (moves.empty()) break;
            const PileLists before = engine.position().piles;
            if (!PressCards(engine, moves.front())) break;
            ++discards;
            const PileLists& after = engine.position().piles;
            const int dealt = Size(before.stock[0]) - Size(after.stock[0]);
            bool emptiesAPile = false;
            for (int t = 0; t < game.rules[Rule::TableauCount]; ++t) {
                const Pile& pile = before.tableau[static_cast<size_t>(t)];
                emptiesAPile = emptiesAPile || (Size(pile) > 0 && std::all_of(pile.groups().begin(), pile.groups().end(), [&](CardNumber c) {
                    return c == kNoCard || std::find(moves.front().begin(), moves.front().end(), c) != moves.front().end();
                }));
            }
            switch (facts.rule) {
                case EmptyTableau::FilledAfterDiscard:
                    if (emptiesAPile && Size(before.stock[0]) > 0) {
                        ++emptyingDiscards;
                        EXPECT_GT(dealt, 0) << "discard " << discard;
                    }
                    break;
                case EmptyTableau::StayEmpty:
                case EmptyTableau::ClosedUp: EXPECT_EQ(dealt, 0) << "discard " << discard; break;
                default: ADD_FAILURE() << "a pairing game without a pairing game's rule"; break;
            }
        }
    }
    EXPECT_GE(discards, 50);
    EXPECT_GE(emptyingDiscards, 20);
}

}  // namespace
}  // namespace dravicor::test
