#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/settings_record.h"
#include "engine/engine.h"
#include "rules/catalogue.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {

// Game codes of the shipped catalogue used by the engine tests.
inline constexpr int kKlondike = 0;
inline constexpr int kFreeCell = 1;
inline constexpr int kKlondikeThrees = 2;
inline constexpr int kSpider = 3;
inline constexpr int kCanfield = 4;
inline constexpr int kFortyThieves = 5;
inline constexpr int kBakersDozen = 6;

// Lays cards on a pile, bottom first; the first faceDown of them face down.
inline void Lay(Position& position, PileId pile, const std::vector<int>& cards, int faceDown = 0) {
    int i = 0;
    for (const int card : cards) position.Append(pile, static_cast<CardNumber>(card), i++ >= faceDown);
}

// A pile's cards, bottom first, and whether each lies face up.
inline std::vector<int> CardsOf(const Position& position, PileId pile) {
    const auto& groups = position.piles.pile(pile).groups();
    return {groups.begin(), groups.end()};
}
inline std::vector<bool> FacesOf(const Position& position, PileId pile) {
    std::vector<bool> up;
    for (const CardNumber card : position.piles.pile(pile).groups()) up.push_back(position.cardTable.IsFaceUp(card));
    return up;
}

// Keeps every game result the engine reports.
class ResultRecorder : public GameRecords {
public:
    void gameEnded(const GameResult& result) override { results.push_back(result); }
    std::vector<GameResult> results;
};

// An engine over a fake platform, with the settings a first start gives.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        const std::pair<FieldSpec, const char*> defaults[] = {
            {Field::CardSize, "B"},          {Field::ScoringSystem, "01"},    {Field::SoundsEnabled, "Y"},
            {Field::SoundsFoundation, "Y"},  {Field::SoundsAutoplay, "Y"},    {Field::SoundsTableau, "Y"},
            {Field::SoundsCardDown, "Y"},    {Field::SoundsCardUp, "Y"},      {Field::SoundsStock, "Y"},
            {Field::SoundsRedeal, "Y"},      {Field::SoundsUndo, "Y"},        {Field::SoundsRedo, "Y"},
            {Field::SoundsFaceUp, "Y"},      {Field::SoundsGameWon, "Y"},     {Field::SoundsNewGame, "Y"},
            {Field::SoundsShuffle, "Y"},     {Field::AutomaticFaceUp, "Y"},   {Field::UndoEnabled, "0"},
            {Field::ConfirmQuitGame, "Y"},   {Field::LanguageBase, "20000"},  {Field::RedealAnimation, "Y"},
            {Field::LastWasUndo, "0"},       {Field::LastWasRedo, "0"},
        };
        for (const auto& [field, value] : defaults) settings.put(field, value);
    }

    GameRules catalogueRules(int code) const { return LoadGameRules(BuiltCatalogue(), code, NoCustomGames()); }

    // Deals a game of the catalogue with a fixed number, autoplay off.
    void deal(int code, const std::string& number = "1", const GameRules* rules = nullptr) {
        engine.setGame(code, rules ? *rules : catalogueRules(code));
        settings.put(Field::CurrentGameNumber, number);
        ASSERT_TRUE(engine.StartGame(true, false, 0, true));
    }

    // Plays on from a position built by the test.
    void playFrom(const Position& position) {
        engine.setPosition(position);
        ASSERT_TRUE(engine.StartGame(false, false, 0, true));
    }
    // A pile laid out by hand, bottom first; the first faceDown cards face down.
    struct Laid {
        PileId pile;
        std::vector<int> cards;
        int faceDown = 0;
    };
    // Deals the game, then plays on from a table holding only the piles laid out.
    void playFrom(int code, const std::vector<Laid>& piles, const GameRules* rules = nullptr) {
        deal(code, "1", rules);
        Position position;
        for (const Laid& laid : piles) Lay(position, laid.pile, laid.cards, laid.faceDown);
        playFrom(position);
    }

    // Drags the card (with the cards above it) onto the pile's top card and
    // lets go, as a player would; true when the drop was made.
    bool drag(int card, PileId target) {
        const auto from = engine.CardPoint(card);
        if (!from) return false;
        const Point landing = landingPoint(card, target);
        const Point to{landing.x + 2, landing.y + 2};
        engine.PointerPress({from->x + 2, from->y + 2});
        engine.PointerMove(to);
        return engine.PointerRelease(to);
    }
    // Where the card would land on the pile: its top card, or the gap it fills.
    Point landingPoint(int card, PileId pile) const {
        const TableGeometry table = engine.geometry();
        return engine.LandingPoint(card, pile).value_or(Point{table.PileCardX(pile, 0, false), table.PileCardY(pile, 0, false)});
    }
    // Presses and releases on the card without moving.
    void click(int card) {
        const auto at = engine.CardPoint(card);
        ASSERT_TRUE(at.has_value());
        engine.PointerPress({at->x + 2, at->y + 2});
        engine.PointerRelease({at->x + 2, at->y + 2});
    }
    void doubleClick(int card) {
        const auto at = engine.CardPoint(card);
        ASSERT_TRUE(at.has_value());
        const Point p{at->x + 2, at->y + 2};
        engine.PointerPress(p);
        engine.PointerRelease(p);
        engine.DoubleClick(p);
        engine.PointerPress(p);
        engine.PointerRelease(p);
    }
    void clickStock() {
        const Point p{engine.origins().origin(PileId::Stock()).x + 2, engine.origins().origin(PileId::Stock()).y + 2};
        engine.PointerPress(p);
        engine.PointerRelease(p);
    }

    std::vector<std::string> snapshot() const { return BuildSnapshot(engine.position()); }
    int soundCount(std::string_view name) const {
        int n = 0;
        for (const auto& s : fake.sounds) n += s.file == name;
        return n;
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    SettingsRecord settings;
    std::mt19937_64 random{42};
    Engine engine{settings, platform, random};
};

// Card numbers by name: rank 1-13 of a suit.
inline constexpr int Hearts(int rank) { return rank; }
inline constexpr int Diamonds(int rank) { return 13 + rank; }
inline constexpr int Clubs(int rank) { return 26 + rank; }
inline constexpr int Spades(int rank) { return 39 + rank; }

// The codes of every game of the built catalogue, in code order.
inline std::vector<int> CatalogueGameCodes() {
    GameList list;
    if (!LoadGameList(BuiltCatalogue(), list)) return {};
    std::vector<int> codes;
    for (int code = 0; code < 1000; ++code) {
        if (GameFamilyOf(list, code) >= 0) codes.push_back(code);
    }
    return codes;
}

// A column of the built catalogue's rule matrix: a game, listed or not.
struct CatalogueColumn {
    int code = -1;
    std::string name;  // empty for a game that is not listed
    GameRules rules;

    std::string label() const { return std::to_string(code) + " " + (name.empty() ? "(not listed)" : name); }
    int special() const { return rules[Rule::SpecialGame]; }
};

// Every column of the rule matrix, listed or not; the first code without a
// column ends the catalogue.
inline std::vector<CatalogueColumn> CatalogueColumns() {
    const auto path = BuiltCatalogue();
    GameList list;
    EXPECT_TRUE(LoadGameList(path, list));
    const NoCustomGames none;
    std::vector<CatalogueColumn> games;
    for (int code = 0; code < kFirstCustomCode; ++code) {
        GameRules rules;
        try {
            rules = LoadGameRules(path, code, none);
        } catch (const CatalogueError&) {
            break;
        }
        games.push_back({code, GameNameOf(list, code, none), rules});
    }
    return games;
}

}  // namespace dravicor::test
