#include "cards/pile_lists.h"

#include "common/text.h"

namespace dravicor {

std::string PileName(PileId id) {
    switch (id.kind) {
        case PileKind::Stock: return "Mazzo";
        case PileKind::Waste: return "Mazzo_Vis";
        case PileKind::SecondWaste: return "Waste";
        case PileKind::Tableau: return "Fila" + std::to_string(id.number);
        case PileKind::Foundation: return "Dest" + std::to_string(id.number);
        case PileKind::Reserve: return "Appogg" + std::to_string(id.number);
    }
    return {};
}

namespace {

// The number written at 1-based character positions first and first + 1 of
// the name (the second may be missing).
std::optional<int> NumberAt(std::string_view name, size_t first) {
    if (name.size() < first) return std::nullopt;
    const std::string_view digits = name.substr(first - 1, 2);
    if (!IsDigits(digits)) return std::nullopt;
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

std::optional<PileId> Numbered(PileKind kind, std::optional<int> number) {
    if (!number) return std::nullopt;
    const PileId id{kind, *number};
    return PileLists::IsValid(id) ? std::optional<PileId>(id) : std::nullopt;
}

}  // namespace

std::optional<PileId> ParsePileName(std::string_view name) {
    if (name == "Mazzo") return PileId::Stock();
    if (name == "Mazzo_Vis") return PileId::Waste();
    if (name == "Waste") return PileId::SecondWaste();
    if (name.starts_with("Dest_Autoplay")) return Numbered(PileKind::Foundation, NumberAt(name, 14));
    if (name.starts_with("Fila")) return Numbered(PileKind::Tableau, NumberAt(name, 5));
    if (name.starts_with("Dest")) return Numbered(PileKind::Foundation, NumberAt(name, 5));
    if (name.starts_with("Appogg")) return Numbered(PileKind::Reserve, NumberAt(name, 7));
    return std::nullopt;
}

void PileLists::clear() {
    forEach([](PileId, Pile& p) { p.clear(); });
}

std::optional<PileKind> PileLists::RemoveCardAnywhere(int card, RemoveMode mode) {
    if (stock[1].remove(card, mode)) return PileKind::Waste;
    for (auto& p : tableau)
        if (p.remove(card, mode)) return PileKind::Tableau;
    for (auto& p : foundations)
        if (p.remove(card, mode)) return PileKind::Foundation;
    if (stock[0].remove(card, mode)) return PileKind::Stock;
    if (stock[2].remove(card, mode)) return PileKind::SecondWaste;
    for (auto& p : reserves)
        if (p.remove(card, mode)) return PileKind::Reserve;
    return std::nullopt;
}

}  // namespace dravicor
