// Every game of the built catalogue, dealt by the engine: its deal counts use
// the whole pack, a deal puts every card on the table once, every pile the
// game uses lies on the table and inside it, each family's table suits the
// way the family is played, and every family the engine knows has a game.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/engine_fixture.h"
#include "play/play_state.h"
#include "rules/custom_games.h"

namespace dravicor::test {
namespace {

// The piles a game shows, by its pile counts.
std::vector<PileId> UsedPiles(const GameRules& rules) {
    std::vector<PileId> piles;
    PileLists().forEach([&](PileId id, const Pile&) {
        if (PileInPlay(rules, id)) piles.push_back(id);
    });
    return piles;
}

// How many cards the deal takes from the deck: every count and every
// starting card. The steps that move cards afterwards move them on the table.
int CardsTakenByTheDeal(const GameRules& rules) {
    int cards = rules[Rule::StockDealCount] + rules[Rule::WasteDealCount] + rules[Rule::ThirdStockDealCount];
    for (int t = 0; t < rules[Rule::TableauCount]; ++t) cards += rules[Rule::TableauDealCount + t];
    for (int r = 0; r < rules[Rule::ReserveCount]; ++r) cards += rules[Rule::ReserveDealCount + r];
    for (int f = 0; f < rules[Rule::FoundationCount]; ++f) {
        const int code = rules[Rule::FoundationDealCard + f];
        if (code != 0 && code != 92 && code != 96) ++cards;
    }
    if (rules[Rule::DealFirstFoundationCard] == 1) ++cards;
    if (rules[Rule::DealSecondFoundationCard] == 1) ++cards;
    if (rules[Rule::StockGroupDealCard] != 0) ++cards;
    return cards;
}

bool Inside(const Rect& rect, const TableArea& area) {
    return rect.left >= 0 && rect.right <= area.width && rect.top >= area.top && rect.bottom <= area.height;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Families played by pressing cards into a selection.
bool IsSelectionFamily(int special) {
    static const std::set<int> families = {1, 3, 4, 7, 8, 14, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 36};
    return families.contains(special);
}

struct TableSize {
    const char* letter;
    TableArea area;
};
constexpr TableSize kTableSizes[] = {{"B", {5, 800, 600, 0}}, {"M", {5, 640, 480, 0}}};

// Game numbers from both ends of the range and a few between.
const char* const kNumbers[] = {"0", "1", "4711", "2718281828459", "9999999999999"};

class CatalogueDeals : public EngineFixture {
protected:
    // Deals the game with the cards and the table of the size.
    void dealAt(const CatalogueColumn& game, const std::string& number, const TableSize& size) {
        settings.put(Field::CardSize, size.letter);
        engine.setTableArea(size.area);
        deal(game.code, number);
    }

    // Deals the game at the table size and checks the position and the table.
    void dealAndCheck(const CatalogueColumn& game, const std::string& number, const TableSize& size) {
        const std::string where = game.label() + " #" + number + " at " + size.letter;
        SCOPED_TRACE(where);
        dealAt(game, number, size);
        if (HasFatalFailure()) return;

        const Position& position = engine.position();
        const PileOrigins& origins = engine.origins();
        const TableGeometry table = engine.geometry();
        const Size card = engine.cardSize();

        // Cards only on piles the table shows, every card inside the table
        // (the deal tests count the cards of every game's deals).
        position.piles.forEach([&](PileId id, const Pile& pile) {
            if (pile.empty()) return;
            EXPECT_TRUE(origins.isOnTable(id)) << PileName(id) << " holds cards but is not on the table";
            for (int k = 0; k < pile.size(); ++k) {
                if (pile[k] == kNoCard) continue;
                const int skip = pile.size() - 1 - k;
                const Point at{table.PileCardX(id, skip, false), table.PileCardY(id, skip, false)};
                EXPECT_TRUE(Inside(Rect::At(at, card), size.area))
                    << "card " << int{pile[k]} << " of " << PileName(id) << " at " << at.x << "," << at.y;
            }
        });

        // Every pile the game uses has its place inside the table, empty or not.
        for (const PileId pile : UsedPiles(game.rules)) {
            ASSERT_TRUE(origins.isOnTable(pile)) << PileName(pile);
            EXPECT_TRUE(Inside(Rect::At(origins.origin(pile), card), size.area)) << PileName(pile);
        }

        // No card of one pile lies on a card, or on the empty place, of another
        // pile: a fan running into its neighbour hides cards and sends the
        // pointer to the wrong pile. The lines of a pyramid lie over one
        // another by design.
        const bool pyramid = game.rules[Rule::TableLayoutModel] == 6;
        std::vector<std::pair<PileId, Rect>> placed;
        for (const PileId id : UsedPiles(game.rules)) {
            const Pile& pile = position.piles.pile(id);
            bool holdsCards = false;
            for (int k = 0; k < pile.size(); ++k) {
                if (pile[k] == kNoCard) continue;
                holdsCards = true;
                const int skip = pile.size() - 1 - k;
                const Point at{table.PileCardX(id, skip, false), table.PileCardY(id, skip, false)};
                placed.push_back({id, Rect::At(at, card)});
            }
            if (!holdsCards) placed.push_back({id, Rect::At(origins.origin(id), card)});
        }
        for (size_t i = 0; i < placed.size(); ++i) {
            for (size_t j = i + 1; j < placed.size(); ++j) {
                const auto& [a, aRect] = placed[i];
                const auto& [b, bRect] = placed[j];
                if (a == b || !Overlap(aRect, bRect)) continue;
                if (pyramid && a.kind == PileKind::Tableau && b.kind == PileKind::Tableau) continue;
                ADD_FAILURE() << PileName(a) << " covers " << PileName(b);
                return;
            }
        }
    }
};

TEST_F(CatalogueDeals, EveryGameDealsThePackOntoTheTableOnceAndNoPileCoversAnother) {
    const std::vector<CatalogueColumn> games = CatalogueColumns();
    ASSERT_GE(games.size(), 30u);
    for (const CatalogueColumn& game : games) {
        for (const TableSize& size : kTableSizes) {
            for (const char* number : kNumbers) dealAndCheck(game, number, size);
        }
    }
}

// The deals of the games shipped before code 250 stay the same card for card:
// a saved game and a demo replay their deal from the game number. The snapshots
// after the deal of two numbers of every listed game among them, each line
// ended by a line feed, folded into one FNV-1a value, recorded before the deal
// steps of the later games were added. A deliberate change of a deal changes it.
TEST_F(CatalogueDeals, TheEarlierGamesDealAsTheyAlwaysDid) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    int games = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        if (game.code >= 250 || game.name.empty()) continue;
        ++games;
        for (const char* number : {"1", "4711"}) {
            deal(game.code, number);
            for (const std::string& line : snapshot()) {
                for (const char c : line + "\n") hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
            }
        }
    }
    EXPECT_EQ(games, 243);
    EXPECT_EQ(hash, 0x2143e783962d2dc1u);
}

// The grid games count neighbours and poker lines by pile number: pile p is
// row p / 5, column p % 5. The table must show them that way.
TEST_F(CatalogueDeals, GridGamesShowTheirPilesInRowsOfFive) {
    int grids = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        if (game.special() != 8 && game.special() != 9) continue;
        ++grids;
        ASSERT_EQ(game.rules[Rule::TableauCount], 25) << game.label();
        for (const TableSize& size : kTableSizes) {
            dealAt(game, "4711", size);
            const PileOrigins& o = engine.origins();
            const Size card = engine.cardSize();
            for (int p = 0; p < 25; ++p) {
                const Point at = o.origin(PileId::Tableau(p + 1));
                const Point rowStart = o.origin(PileId::Tableau(p / 5 * 5 + 1));
                const Point columnTop = o.origin(PileId::Tableau(p % 5 + 1));
                EXPECT_EQ(at.y, rowStart.y) << game.label() << " pile " << p + 1;
                EXPECT_EQ(at.x, columnTop.x) << game.label() << " pile " << p + 1;
                // Left of it the previous square, above it the square of the row before.
                if (p % 5 > 0) {
                    EXPECT_GT(at.x, o.origin(PileId::Tableau(p)).x + card.width) << game.label() << " pile " << p + 1;
                }
                if (p >= 5) {
                    EXPECT_GT(at.y, o.origin(PileId::Tableau(p - 4)).y + card.height)
                        << game.label() << " pile " << p + 1;
                }
            }
            // No other pile lies among the squares.
            const Point first = o.origin(PileId::Tableau(1));
            const Point last = o.origin(PileId::Tableau(25));
            const Rect grid{first.x, first.y, last.x + card.width, last.y + card.height};
            for (const PileId pile : UsedPiles(game.rules)) {
                if (pile.kind == PileKind::Tableau) continue;
                EXPECT_FALSE(Overlap(Rect::At(o.origin(pile), card), grid)) << game.label() << " " << PileName(pile);
            }
        }
    }
    EXPECT_GE(grids, 2);
}

// A card of a pyramid line is free when the places at the same position and
// one further in the next line are gone: those two must be the cards that
// cover it on the table, and no other card of that line may touch it.
TEST_F(CatalogueDeals, PyramidLinesCoverTheCardsTheyFree) {
    int pyramids = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        if (game.special() != 4) continue;
        ++pyramids;
        for (const TableSize& size : kTableSizes) {
            dealAt(game, "1", size);
            const TableGeometry table = engine.geometry();
            const Size card = engine.cardSize();
            const PileLists& piles = engine.position().piles;
            auto place = [&](int line, int j) {
                const PileId id = PileId::Tableau(line);
                const int skip = piles.pile(id).size() - 1 - j;
                return Rect::At({table.PileCardX(id, skip, false), table.PileCardY(id, skip, false)}, card);
            };
            for (int line = 1; line < game.rules[Rule::TableauCount]; ++line) {
                const int below = piles.pile(PileId::Tableau(line + 1)).size();
                ASSERT_EQ(below, piles.pile(PileId::Tableau(line)).size() + 1) << game.label() << " line " << line;
                for (int j = 0; j < piles.pile(PileId::Tableau(line)).size(); ++j) {
                    for (int m = 0; m < below; ++m) {
                        const bool covers = m == j || m == j + 1;
                        EXPECT_EQ(Overlap(place(line, j), place(line + 1, m)), covers)
                            << game.label() << " at " << size.letter << ": line " << line << " place " << j
                            << ", next line place " << m;
                    }
                }
            }
        }
    }
    EXPECT_GE(pyramids, 1);
}

// The row games lay every card in tableau pile 1: the row must have room for
// the whole pack.
TEST_F(CatalogueDeals, RowGamesHaveRoomForThePackInTheirRow) {
    int rows = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        if (game.special() < 20 || game.special() > 23) continue;
        ++rows;
        for (const TableSize& size : kTableSizes) {
            dealAt(game, "1", size);
            Position full;
            for (int c = 1; c <= game.rules[Rule::CardCount]; ++c) {
                full.Append(PileId::Tableau(1), static_cast<CardNumber>(c), true);
            }
            const TableGeometry table(engine.origins(), engine.metrics(), engine.cardSize(), engine.rules(), full);
            const Rect last = Rect::At({table.PileCardX(PileId::Tableau(1), 0, false),
                                        table.PileCardY(PileId::Tableau(1), 0, false)},
                                       engine.cardSize());
            EXPECT_TRUE(Inside(last, size.area)) << game.label() << " at " << size.letter << ": the last card at "
                                                 << last.left << "," << last.top;
            // Every card of the row shows enough of itself to be pressed.
            const int first = table.PileCardX(PileId::Tableau(1), game.rules[Rule::CardCount] - 1, false);
            const int second = table.PileCardX(PileId::Tableau(1), game.rules[Rule::CardCount] - 2, false);
            EXPECT_GE(second - first, 10) << game.label() << " at " << size.letter;
        }
    }
    EXPECT_GE(rows, 4);
}

// The games whose taken cards go to the discard pile show it, and the one
// that plays onto its top card deals it a first card.
TEST_F(CatalogueDeals, DiscardPileGamesShowTheirDiscards) {
    int discards = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        const int special = game.special();
        if (special != 2 && special != 12 && special != 15 && special != 30) continue;
        ++discards;
        deal(game.code, "4711");
        EXPECT_TRUE(engine.origins().isOnTable(PileId::SecondWaste())) << game.label();
        if (special == 12 || special == 30) {
            EXPECT_EQ(engine.position().piles.pile(PileId::SecondWaste()).size(), 1) << game.label();
        }
    }
    EXPECT_GE(discards, 3);
}

// A shuffle-redeal is asked for by pressing the stock place, so it must be on
// the table, and the game must allow at least one redeal.
TEST_F(CatalogueDeals, ShuffleRedealGamesShowTheStockAndAllowARedeal) {
    int shuffles = 0;
    for (const CatalogueColumn& game : CatalogueColumns()) {
        if (game.rules[Rule::ShuffleRedeal] == 0) continue;
        ++shuffles;
        deal(game.code, "1");
        EXPECT_TRUE(engine.origins().isOnTable(PileId::Stock())) << game.label();
        const int redeals = game.rules[Rule::Redeals];
        EXPECT_TRUE(redeals == -1 || redeals >= 2) << game.label() << ": Redeals " << redeals;
    }
    EXPECT_GE(shuffles, 2);
}

// Every game's deal counts use the whole pack. Families whose cards are
// pressed into a selection need selection play; the others pick cards up or
// drag them, and must not have it. Every family and shuffle the engine has
// rules for is played by at least one game.
TEST(CatalogueGames, DealCountsSelectionPlayAndFamiliesFitTheEngine) {
    const std::vector<CatalogueColumn> games = CatalogueColumns();
    ASSERT_FALSE(games.empty());
    std::set<int> specials;
    std::set<int> shuffles;
    for (const CatalogueColumn& game : games) {
        EXPECT_EQ(CardsTakenByTheDeal(game.rules), game.rules[Rule::CardCount]) << game.label();
        EXPECT_EQ(game.rules[Rule::SelectionPlay] != 0, IsSelectionFamily(game.special()))
            << game.label() << ": family " << game.special() << ", selection play " << game.rules[Rule::SelectionPlay];
        specials.insert(game.special());
        shuffles.insert(game.rules[Rule::ShuffleRedeal]);
    }
    for (const int family : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26}) {
        EXPECT_TRUE(specials.contains(family)) << "no game of SpecialGame " << family;
    }
    for (const int shuffle : {1, 2, 3}) {
        EXPECT_TRUE(shuffles.contains(shuffle)) << "no game with ShuffleRedeal " << shuffle;
    }
}

}  // namespace
}  // namespace dravicor::test
