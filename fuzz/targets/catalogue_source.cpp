// The game sources the catalogue compiler reads (data/games/*.game). The
// input is one source.
//   - a source read without problems describes a game within every limit
//     (code, name, family, each value within its parameter's range);
//   - compiled into a catalogue, the game reads back through the program's
//     own readers: its name, family, listing, selection and every rule value.
#include "catalogue_writer.h"
#include "fuzz_support.h"
#include "game_source.h"
#include "rules/catalogue.h"
#include "rules/rule_parameters.h"

DRAVICOR_FUZZ_TARGET(catalogue_source) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    using namespace dravicor::catalogue;
    std::vector<SourceError> errors;
    GameSource game = ParseGameSource(std::string(bytes), "fuzz.game", errors);
    for (const auto& error : errors) DRAVICOR_FUZZ_CHECK(!error.text().empty(), "a problem without words");
    if (!errors.empty()) return;

    DRAVICOR_FUZZ_CHECK(game.code >= 0 && game.code <= 999, "a code out of range");
    DRAVICOR_FUZZ_CHECK(game.family >= 2 && game.family <= 13, "a family out of range");
    DRAVICOR_FUZZ_CHECK(!game.name.empty() && game.name.size() <= 50, "a name out of its 50 columns");
    DRAVICOR_FUZZ_CHECK(!game.rules.empty(), "a game without rules text");
    for (const auto& [index, set] : game.values) {
        DRAVICOR_FUZZ_CHECK(index >= 0 && index < GameRules::kSize, "a value for no parameter");
        bool inRange = false;
        for (const auto& parameter : AllParameters()) {
            if (index >= parameter.index && index < parameter.index + parameter.blockSize) {
                inRange = inRange || (set.value >= parameter.min && set.value <= parameter.max);
            }
        }
        DRAVICOR_FUZZ_CHECK(inRange, "a value outside its parameter's range");
    }

    // A catalogue of this one game, as code 0.
    game.code = 0;
    std::vector<SourceError> catalogueErrors;
    CheckCatalogue({game}, catalogueErrors);
    DRAVICOR_FUZZ_CHECK(catalogueErrors.empty(), "one game makes a catalogue");
    const std::filesystem::path path = FreshScratchDir() / "GAMES.DAT";
    WriteBytes(path, WriteCatalogue({game}));
    GameList list;
    DRAVICOR_FUZZ_CHECK(LoadGameList(path, list), "the compiled catalogue loads");
    const NoCustomGames none;
    DRAVICOR_FUZZ_CHECK(GameNameOf(list, 0, none) == (game.listed ? game.name : ""), "the name reads back");
    DRAVICOR_FUZZ_CHECK(GameFamilyOf(list, 0) == (game.listed ? game.family : -1), "the family reads back");
    DRAVICOR_FUZZ_CHECK(IsSelectedGame(path, 0) == game.selected, "the selection reads back");
    const GameRules rules = LoadGameRules(path, 0, none);
    for (int index = 0; index < GameRules::kSize; ++index) {
        const auto it = game.values.find(index);
        const int expected = it == game.values.end() ? 0 : it->second.value;
        DRAVICOR_FUZZ_CHECK(rules[index] == static_cast<std::int16_t>(expected),
                            "parameter " + std::to_string(index) + " reads back");
    }
    // The readers of single values find the set values on their lines (each
    // call reads the file afresh, so a few of them).
    int checked = 0;
    for (const auto& [index, set] : game.values) {
        if (index == 0 || ++checked > 8) continue;
        DRAVICOR_FUZZ_CHECK(ReadRuleValues(path, 0, {index}).front() == static_cast<std::int16_t>(set.value),
                            "parameter " + std::to_string(index) + " reads back by its line");
    }
}
