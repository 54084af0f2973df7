#include "cards/pile_lists.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravicor {
namespace {

std::vector<PileId> AllPiles() {
    std::vector<PileId> ids = {PileId::Stock(), PileId::Waste(), PileId::SecondWaste()};
    for (int n = 1; n <= kFoundationCount; ++n) ids.push_back(PileId::Foundation(n));
    for (int n = 1; n <= kTableauCount; ++n) ids.push_back(PileId::Tableau(n));
    for (int n = 1; n <= kReserveCount; ++n) ids.push_back(PileId::Reserve(n));
    return ids;
}

void ExpectParses(std::string_view name, PileId expected) {
    const auto id = ParsePileName(name);
    ASSERT_TRUE(id.has_value()) << "'" << name << "'";
    EXPECT_EQ(id->kind, expected.kind) << "'" << name << "'";
    EXPECT_EQ(id->number, expected.number) << "'" << name << "'";
}

TEST(PileLists, NamesOfThePiles) {
    const std::pair<PileId, const char*> cases[] = {
        {PileId::Stock(), "Mazzo"},         {PileId::Waste(), "Mazzo_Vis"},      {PileId::SecondWaste(), "Waste"},
        {PileId::Tableau(12), "Fila12"},    {PileId::Tableau(1), "Fila1"},       {PileId::Tableau(26), "Fila26"},
        {PileId::Foundation(3), "Dest3"},   {PileId::Foundation(16), "Dest16"},  {PileId::Reserve(1), "Appogg1"},
        {PileId::Reserve(8), "Appogg8"}};
    for (const auto& [id, name] : cases) EXPECT_EQ(PileName(id), name);
}

TEST(PileLists, EveryNameParsesBack) {
    for (const PileId id : AllPiles()) {
        EXPECT_TRUE(PileLists::IsValid(id));
        ExpectParses(PileName(id), id);
    }
}

// Characters after the two number positions are not read; a single digit
// followed by anything else is no number (see the invalid names).
TEST(PileLists, ParseTakesTheNumberFromFixedPositions) {
    const std::pair<const char*, PileId> cases[] = {
        {"Fila01", PileId::Tableau(1)},              {"Fila09", PileId::Tableau(9)},
        {"Dest07", PileId::Foundation(7)},           {"Appogg05", PileId::Reserve(5)},
        {"Dest_Autoplay1", PileId::Foundation(1)},   {"Dest_Autoplay3", PileId::Foundation(3)},
        {"Dest_Autoplay16", PileId::Foundation(16)}, {"Dest_Autoplay04", PileId::Foundation(4)},
        {"Fila123", PileId::Tableau(12)},            {"Dest16x", PileId::Foundation(16)},
        {"Dest_Autoplay123", PileId::Foundation(12)}};
    for (const auto& [name, id] : cases) ExpectParses(name, id);
}

TEST(PileLists, ParseRejectsInvalidNames) {
    for (const std::string_view name :
         {"", "Mazz", "mazzo", "Mazzo ", "Mazzo1", "MAZZO", "Waste1", "Fila", "Fila0", "Fila00", "Fila27", "Fila99",
          "Fila-1", "Fila+1", "Fila 1", "FilaA", "Dest", "Dest0", "Dest17", "Dest_", "Dest_1", "Appogg", "Appogg0",
          "Appogg9", "Appogg10", "Appo1", "Dest_Autoplay", "Dest_Autoplay0", "Dest_Autoplay17", "Dest_AutoplayX",
          "Tableau1", "fila1", "1Fila", "Dest1_", "Fila2a", "Appogg8_"}) {
        EXPECT_FALSE(ParsePileName(name).has_value()) << "'" << name << "'";
    }
}

TEST(PileLists, PileAccessMapsIdsToTheLists) {
    PileLists lists;
    lists.pile(PileId::Stock()).append(1);
    lists.pile(PileId::Waste()).append(2);
    lists.pile(PileId::SecondWaste()).append(3);
    lists.pile(PileId::Foundation(16)).append(4);
    lists.pile(PileId::Tableau(26)).append(5);
    lists.pile(PileId::Reserve(8)).append(6);
    EXPECT_EQ(lists.stock[0].top(), 1);
    EXPECT_EQ(lists.stock[1].top(), 2);
    EXPECT_EQ(lists.stock[2].top(), 3);
    EXPECT_EQ(lists.foundations[15].top(), 4);
    EXPECT_EQ(lists.tableau[25].top(), 5);
    EXPECT_EQ(lists.reserves[7].top(), 6);

    // forEach visits the 53 piles in snapshot order.
    std::vector<std::string> names;
    lists.forEach([&](PileId id, Pile&) { names.push_back(PileName(id)); });
    ASSERT_EQ(names.size(), 53u);
    const std::pair<size_t, const char*> expected[] = {{0, "Mazzo"},   {1, "Mazzo_Vis"}, {2, "Waste"},
                                                       {3, "Dest1"},   {18, "Dest16"},   {19, "Fila1"},
                                                       {44, "Fila26"}, {45, "Appogg1"},  {52, "Appogg8"}};
    for (const auto& [index, name] : expected) EXPECT_EQ(names[index], name) << index;

    lists.clear();
    EXPECT_EQ(lists, PileLists());
}

// Puts `card` in each of the given piles and checks which one loses it.
TEST(PileLists, RemoveCardAnywhereSearchOrder) {
    // The search order, with the kind code each pile reports.
    const std::vector<std::pair<PileId, int>> order = {
        {PileId::Waste(), 2},         {PileId::Tableau(1), 4},      {PileId::Tableau(2), 4},
        {PileId::Tableau(26), 4},     {PileId::Foundation(1), 5},   {PileId::Foundation(16), 5},
        {PileId::Stock(), 1},         {PileId::SecondWaste(), 3},   {PileId::Reserve(1), 6},
        {PileId::Reserve(8), 6},
    };
    // Place the same card in the piles from position `first` onwards: the
    // pile at `first` must lose it, the others keep theirs.
    for (size_t first = 0; first < order.size(); ++first) {
        PileLists lists;
        for (size_t i = first; i < order.size(); ++i) {
            lists.pile(order[i].first).append(9);
            lists.pile(order[i].first).append(10);
        }
        const auto kind = lists.RemoveCardAnywhere(9, RemoveMode::Delete);
        ASSERT_TRUE(kind.has_value()) << "first " << first;
        EXPECT_EQ(static_cast<int>(*kind), order[first].second) << PileName(order[first].first);
        for (size_t i = first; i < order.size(); ++i) {
            const Pile& pile = lists.pile(order[i].first);
            EXPECT_EQ(pile.ToText(), i == first ? "010" : "009010") << PileName(order[i].first);
        }
    }
}

TEST(PileLists, RemoveCardAnywhereOfAbsentCardChangesNothing) {
    PileLists lists;
    lists.pile(PileId::Stock()).append(1);
    lists.pile(PileId::Stock()).append(kNoCard);
    lists.pile(PileId::Tableau(4)).append(kNoCard);
    lists.pile(PileId::Reserve(2)).append(104);
    const PileLists before = lists;
    for (const RemoveMode mode : {RemoveMode::Delete, RemoveMode::LeaveSlot, RemoveMode::DeleteWithSlot}) {
        for (const int card : {0, 2, 53, 103, 105, -1}) {
            EXPECT_EQ(lists.RemoveCardAnywhere(card, mode), std::nullopt) << "card " << card;
            EXPECT_EQ(lists, before) << "card " << card;
        }
    }
    PileLists empty;
    EXPECT_EQ(empty.RemoveCardAnywhere(1, RemoveMode::Delete), std::nullopt);
    EXPECT_EQ(empty, PileLists());
}

}  // namespace
}  // namespace dravicor
