#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace dravicor {

// Indices of the rule parameters. Per-pile blocks give the index of the
// first pile's entry: foundation i (0-15) is at FoundationFirstCard + i,
// tableau pile t (0-25) at TableauBuild + t, and so on. The meaning of every
// index, with the name the catalogue sources use, is in rule_parameters.cpp.
namespace Rule {
inline constexpr int DealFirstFoundationCard = 1;
inline constexpr int RunRule = 2;
inline constexpr int TableauSpread = 3;
inline constexpr int FoundationSpread = 4;
inline constexpr int ReserveSpread = 5;
inline constexpr int StockFaceDown = 6;
inline constexpr int WasteInPlay = 7;
inline constexpr int WasteUnderStock = 8;
inline constexpr int DealSecondFoundationCard = 10;
inline constexpr int MoveLimit = 11;
inline constexpr int ReserveDrawMode = 12;
inline constexpr int Redeals = 13;
inline constexpr int ShuffleRedeal = 14;
inline constexpr int FoundationTakeBack = 15;
inline constexpr int AutoplayAvailable = 16;
inline constexpr int CardsPerStockDeal = 17;
inline constexpr int AutoFillEmptyTableau = 18;
inline constexpr int DealByPile = 19;
inline constexpr int ReorderAfterFoundation = 21;
inline constexpr int DealExtraStep = 22;
inline constexpr int FoundationMaxCards = 23;
inline constexpr int NeedsSmallCards = 26;
inline constexpr int SelectionPlay = 27;
inline constexpr int OpeningPhase = 28;
inline constexpr int FillTableauAction = 29;
inline constexpr int ScoreBonusCards = 30;
inline constexpr int SpecialGame = 31;
inline constexpr int StopRank = 32;  // shares its index with foundation 1's first card
inline constexpr int FoundationFirstCard = 32;
inline constexpr int FoundationDirection = 48;
inline constexpr int FoundationBuild = 64;
inline constexpr int FoundationDealCard = 80;
inline constexpr int TableauEmptyAccepts = 96;
inline constexpr int TableauDirection = 122;
inline constexpr int TableauBuild = 148;
inline constexpr int TableauStopLifted = 174;
inline constexpr int TableauDealMode = 200;
inline constexpr int ReserveCode = 225;  // reserve 1's code shares its index with pile 26's deal mode
inline constexpr int ReserveDealMode = 233;
inline constexpr int StockGroupDealCard = 241;
inline constexpr int WastePlay = 242;
inline constexpr int WasteExcluded = 243;
inline constexpr int StockLayoutModel = 244;
inline constexpr int StockLayoutRow = 245;
inline constexpr int FoundationLayoutModel = 246;
inline constexpr int FoundationLayoutRow = 247;
inline constexpr int TableLayoutModel = 248;
inline constexpr int TableLayoutRow = 249;
inline constexpr int SingleRowTableau = 250;
inline constexpr int ReserveLayoutModel = 251;
inline constexpr int ReserveLayoutRow = 252;
inline constexpr int FifthLayoutModel = 253;
inline constexpr int StockToSecondWaste = 253;  // the same index read by the stock click
inline constexpr int FifthLayoutRow = 254;
inline constexpr int StockPileCount = 255;
inline constexpr int FoundationCount = 256;
inline constexpr int TableauCount = 257;
inline constexpr int ReserveCount = 258;
inline constexpr int ThirdPileBesideStock = 259;
inline constexpr int CardCount = 260;
inline constexpr int StockDealCount = 261;
inline constexpr int WasteDealCount = 262;
inline constexpr int TableauDealCount = 263;
inline constexpr int TableauDealFaceUp = 289;
inline constexpr int ThirdStockDealCount = 315;
inline constexpr int ReserveDealCount = 316;
inline constexpr int StockDealCustomizable = 324;
inline constexpr int RedealsCustomizable = 325;
inline constexpr int EmptyTableauCustomizable = 326;
inline constexpr int GameTime = 327;
inline constexpr int Difficulty = 328;
inline constexpr int SkillOrChance = 329;
inline constexpr int ChanceOfWinning = 330;
inline constexpr int WinsPer = 331;
inline constexpr int WinsOutOf = 332;
inline constexpr int DiscardStopsAtKing = 333;
}  // namespace Rule

// The rule parameters of the current game: signed 16-bit values indexed by
// parameter number; -1 means unlimited or any where a value is a count or a
// card.
class GameRules {
public:
    static constexpr int kSize = 334;

    std::int16_t operator[](int index) const { return inRange(index) ? values_[static_cast<std::size_t>(index)] : 0; }
    // Writes outside the record are ignored.
    void set(int index, int value) {
        if (inRange(index)) values_[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
    }
    void clear() { values_.fill(0); }

    friend bool operator==(const GameRules&, const GameRules&) = default;

private:
    static constexpr bool inRange(int index) { return index >= 0 && index < kSize; }
    std::array<std::int16_t, kSize> values_{};
};

// The entries a deal rewrites (the tableau's empty-pile values and the
// foundations' first cards), kept so that each deal starts from the
// catalogue's values.
struct RuleSnapshot {
    std::array<std::int16_t, 42> values{};
};
RuleSnapshot SaveRuleSnapshot(const GameRules& rules);
void RestoreRuleSnapshot(GameRules& rules, const RuleSnapshot& snapshot);

}  // namespace dravicor
