// The customized games (DATA/GAM_CUST.DAT). The input steers one operation
// and supplies the file: "OP PICK CARDS DEALS TABLEAU\nNAME\n" then the bytes.
//   - every game read is well formed: a code from 8000 to 9999 met once, a
//     built-in base, a name, the seven characters of its rules;
//   - the games written out record by record read back the same;
//   - adding a game keeps every game there was and adds one under the first
//     free code; a refused name changes no byte;
//   - deleting a game removes that game only;
//   - the rules of every game load with its three overrides applied.
#include <charconv>
#include <set>

#include "common/text.h"
#include "fuzz_support.h"
#include "rules/catalogue.h"
#include "common/settings_record.h"
#include "select/custom_game_file.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

CustomRuleValues ValuesOf(const std::string& settings) {
    const auto number = [&](size_t at) {
        int value = 0;
        std::from_chars(settings.data() + at, settings.data() + at + 3, value);
        return value;
    };
    return {number(0), number(3), settings[6] - '0'};
}

bool SameGame(const CustomGame& a, const CustomGame& b) {
    return a.code == b.code && a.name == b.name && a.baseCode == b.baseCode && a.settings == b.settings;
}

bool SameGames(const std::vector<CustomGame>& a, const std::vector<CustomGame>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameGame);
}

void ExpectWellFormed(const CustomGameFileContents& contents) {
    std::set<int> codes;
    for (const auto& game : contents.games) {
        DRAVICOR_FUZZ_CHECK(game.code >= kFirstCustomCode && game.code <= kLastCustomCode, "a code out of range");
        DRAVICOR_FUZZ_CHECK(codes.insert(game.code).second, "a code met twice");
        DRAVICOR_FUZZ_CHECK(game.baseCode >= 0 && game.baseCode < kFirstCustomCode, "a base that is not built in");
        DRAVICOR_FUZZ_CHECK(!game.name.empty() && game.name.size() <= kCustomNameWidth &&
                                game.name == Trim(game.name),
                            "a name that is empty, too long or padded");
        DRAVICOR_FUZZ_CHECK(game.settings.size() == 7 && game.settings[6] >= '0' && game.settings[6] <= '3',
                            "rules that are not seven characters");
        DRAVICOR_FUZZ_CHECK(std::binary_search(contents.usedCodes.begin(), contents.usedCodes.end(), game.code),
                            "a game's code is not counted as used");
    }
    const auto next = NextFreeCustomCode(contents);
    if (next) {
        DRAVICOR_FUZZ_CHECK(!std::binary_search(contents.usedCodes.begin(), contents.usedCodes.end(), *next),
                            "the free code is taken");
    }
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(custom_games) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int operation = input.below(3);
    const int pick = input.byte();
    const CustomRuleValues values{input.below(120) - 10, input.below(120) - 10, input.below(5)};
    const std::string name(input.line());
    const std::string_view content = input.rest();

    const CustomGameFileContents contents = ParseCustomGames(content);
    ExpectWellFormed(contents);

    // Record by record, the games read back the same.
    std::string rewritten = std::string(kCustomGamesHeader) + "\r\n";
    for (const auto& game : contents.games) {
        rewritten += FormatCustomRecord(game.code, game.name, game.baseCode, ValuesOf(game.settings));
    }
    const CustomGameFileContents reread = ParseCustomGames(rewritten);
    DRAVICOR_FUZZ_CHECK(SameGames(reread.games, contents.games) && reread.problems.empty(),
                        "the games written out read back the same");

    const std::filesystem::path dir = FreshScratchDir() / "DATA";
    const std::filesystem::path file = dir / std::string(kCustomGamesFile);
    WriteBytes(file, content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    CustomGameFile customGames(files);

    if (operation == 0) {
        GameList list;
        LoadGameList(SmallCataloguePath(), list);
        const int current = contents.games.empty() || pick % 2 == 0
                                ? pick % 32
                                : contents.games[static_cast<size_t>(pick) % contents.games.size()].code;
        const CustomSaveOutcome outcome = customGames.add(name, current, values, list);
        const CustomGameFileContents after = customGames.load();
        ExpectWellFormed(after);
        if (outcome.status != CustomSaveOutcome::Status::Saved) {
            DRAVICOR_FUZZ_CHECK(ReadBytes(file) == std::string(content), "a refused game changed the file");
            return;
        }
        DRAVICOR_FUZZ_CHECK(outcome.code == NextFreeCustomCode(contents), "the new game takes the first free code");
        std::vector<CustomGame> others;
        std::optional<CustomGame> added;
        for (const auto& game : after.games) {
            if (game.code == outcome.code) {
                added = game;
            } else {
                others.push_back(game);
            }
        }
        DRAVICOR_FUZZ_CHECK(SameGames(others, contents.games), "adding a game changed another");
        DRAVICOR_FUZZ_CHECK(added.has_value(), "the added game reads back");
        DRAVICOR_FUZZ_CHECK(added->settings == CustomSettingsText(values), "the added game's rules read back");
        // The name as a record keeps it: control characters as blanks,
        // without surrounding blanks, cut to its 50 columns.
        std::string blanked(name);
        for (char& c : blanked) c = static_cast<unsigned char>(c) < 32 ? ' ' : c;
        std::string kept(Trim(blanked));
        if (kept.size() > kCustomNameWidth) kept.resize(kCustomNameWidth);
        DRAVICOR_FUZZ_CHECK(added->name == TrimRight(kept), "the added game's name reads back");
    } else if (operation == 1) {
        if (contents.games.empty()) return;
        const CustomGame gone = contents.games[static_cast<size_t>(pick) % contents.games.size()];
        SettingsRecord settings;
        DRAVICOR_FUZZ_CHECK(customGames.remove(gone.code, settings), "a listed game is deleted");
        std::vector<CustomGame> expected;
        for (const auto& game : contents.games) {
            if (game.code != gone.code) expected.push_back(game);
        }
        const CustomGameFileContents after = customGames.load();
        DRAVICOR_FUZZ_CHECK(SameGames(after.games, expected), "deleting a game changed another");
    } else {
        for (const auto& game : contents.games) {
            try {
                const GameRules rules = LoadGameRules(SmallCataloguePath(), game.code, customGames);
                const CustomRuleValues overrides = ValuesOf(game.settings);
                DRAVICOR_FUZZ_CHECK(rules[Rule::CardsPerStockDeal] == overrides.cards &&
                                        rules[Rule::Redeals] == overrides.deals,
                                    "the overrides of a customized game apply");
            } catch (const CatalogueError&) {
                // A base the catalogue does not have: the game cannot be played.
            }
        }
    }
}
