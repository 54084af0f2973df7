#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cards/pile.h"

namespace dravicor {

// Pile kind codes, as the card search and the move rules report them.
enum class PileKind {
    Stock = 1,        // "Mazzo"
    Waste = 2,        // "Mazzo_Vis", the visible stock
    SecondWaste = 3,  // "Waste"
    Tableau = 4,      // Fila1 to Fila26
    Foundation = 5,   // Dest1 to Dest16
    Reserve = 6,      // Appogg1 to Appogg8
};

inline constexpr int kStockListSize = 3;
inline constexpr int kFoundationCount = 16;
inline constexpr int kTableauCount = 26;
inline constexpr int kReserveCount = 8;
// Piles in a position snapshot: stock list, foundations, tableau, reserves.
inline constexpr int kPileCount = kStockListSize + kFoundationCount + kTableauCount + kReserveCount;

// One pile of the table: its kind and, for foundations, tableau piles and
// reserves, its 1-based number.
struct PileId {
    PileKind kind = PileKind::Stock;
    int number = 1;

    static constexpr PileId Stock() { return {PileKind::Stock, 1}; }
    static constexpr PileId Waste() { return {PileKind::Waste, 1}; }
    static constexpr PileId SecondWaste() { return {PileKind::SecondWaste, 1}; }
    static constexpr PileId Tableau(int n) { return {PileKind::Tableau, n}; }
    static constexpr PileId Foundation(int n) { return {PileKind::Foundation, n}; }
    static constexpr PileId Reserve(int n) { return {PileKind::Reserve, n}; }

    friend bool operator==(const PileId&, const PileId&) = default;
};

// "Mazzo", "Mazzo_Vis", "Waste", "Fila12", "Dest3", "Appogg1".
std::string PileName(PileId id);

// Reads a pile name. The number of a "Fila" or "Dest" name is taken from its
// 5th and 6th characters, of an "Appogg" name from the 7th and 8th, of a
// "Dest_Autoplay" name from the 14th and 15th. Nothing for names that do not
// name a pile of the lists.
std::optional<PileId> ParsePileName(std::string_view name);

// The four pile lists: the whole position together with the face flags of
// the card table. Every item exists for the whole run; a game uses the first
// few of each kind and leaves the rest empty.
class PileLists {
public:
    std::array<Pile, kStockListSize> stock;   // Mazzo, Mazzo_Vis, Waste
    std::array<Pile, kFoundationCount> foundations;
    std::array<Pile, kTableauCount> tableau;
    std::array<Pile, kReserveCount> reserves;

    // The pile named by the id; the id must name an item of the lists.
    Pile& pile(PileId id);
    const Pile& pile(PileId id) const;
    static bool IsValid(PileId id);

    // Empties every pile.
    void clear();

    // Takes the card out of the first pile that holds it, searching the
    // waste, the tableau piles from the first, the foundations, the stock,
    // the second waste and the reserves, in that order. Returns the kind of
    // the pile it came from, or nothing when it lies nowhere.
    std::optional<PileKind> RemoveCardAnywhere(int card, RemoveMode mode);

    // Calls visit(PileId, Pile&) for every pile in snapshot order: the stock
    // list, the foundations, the tableau piles, the reserves.
    template <typename Visit>
    void forEach(Visit visit) {
        forEachId([&](PileId id) { visit(id, pile(id)); });
    }
    template <typename Visit>
    void forEach(Visit visit) const {
        forEachId([&](PileId id) { visit(id, pile(id)); });
    }

    friend bool operator==(const PileLists&, const PileLists&) = default;

private:
    template <typename Visit>
    static void forEachId(Visit visit) {
        visit(PileId::Stock());
        visit(PileId::Waste());
        visit(PileId::SecondWaste());
        for (int n = 1; n <= kFoundationCount; ++n) visit(PileId::Foundation(n));
        for (int n = 1; n <= kTableauCount; ++n) visit(PileId::Tableau(n));
        for (int n = 1; n <= kReserveCount; ++n) visit(PileId::Reserve(n));
    }
};

// Defined here, not out of line: the move rules and the solver ask for a
// pile by its id many millions of times.
inline bool PileLists::IsValid(PileId id) {
    switch (id.kind) {
        case PileKind::Stock:
        case PileKind::Waste:
        case PileKind::SecondWaste: return true;
        case PileKind::Tableau: return id.number >= 1 && id.number <= kTableauCount;
        case PileKind::Foundation: return id.number >= 1 && id.number <= kFoundationCount;
        case PileKind::Reserve: return id.number >= 1 && id.number <= kReserveCount;
    }
    return false;
}

inline const Pile& PileLists::pile(PileId id) const {
    const auto index = static_cast<size_t>(id.number - 1);
    switch (id.kind) {
        case PileKind::Stock: return stock[0];
        case PileKind::Waste: return stock[1];
        case PileKind::SecondWaste: return stock[2];
        case PileKind::Tableau: return tableau.at(index);
        case PileKind::Foundation: return foundations.at(index);
        case PileKind::Reserve: return reserves.at(index);
    }
    return stock[0];
}

inline Pile& PileLists::pile(PileId id) { return const_cast<Pile&>(static_cast<const PileLists*>(this)->pile(id)); }

}  // namespace dravicor
