// The game catalogue (GAMES.DAT). The input is the file.
//   - the game list holds no hidden line, and the lookups agree: the name of
//     a listed code leads back to a code of that name;
//   - the rule loader and the readers of single values give the same value
//     wherever the matrix line of a parameter sits at its position, and the
//     only failure of either is the catalogue error;
//   - the selected games are each named once, as IsSelectedGame says;
//   - stored text restores to what was scrambled.
#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "common/text.h"

#include "fuzz_support.h"
#include "rules/catalogue.h"
#include "rules/rule_parameters.h"

namespace dravicor::fuzz {
namespace {

std::optional<GameRules> RulesOf(const std::filesystem::path& path, int code) {
    try {
        return LoadGameRules(path, code, NoCustomGames{});
    } catch (const CatalogueError&) {
        return std::nullopt;
    }
}

// The single reader's values of the parameters, nine to a reading (as many
// as it takes at once): a reading per parameter made the target crawl.
std::optional<std::vector<std::int16_t>> ValuesOf(const std::filesystem::path& path, int code,
                                                  const std::vector<int>& indices) {
    std::vector<std::int16_t> values;
    try {
        for (size_t from = 0; from < indices.size(); from += 9) {
            std::array<int, 9> part{};
            for (size_t i = 0; i < part.size(); ++i) part[i] = indices[std::min(from + i, indices.size() - 1)];
            const auto read = ReadRuleValues(path, code, {part[0], part[1], part[2], part[3], part[4], part[5],
                                                          part[6], part[7], part[8]});
            const size_t count = std::min<size_t>(9, indices.size() - from);
            values.insert(values.end(), read.begin(), read.begin() + static_cast<std::ptrdiff_t>(count));
        }
    } catch (const CatalogueError&) {
        return std::nullopt;
    }
    return values;
}

// The parameter index of each matrix line, as the rule loader reads it
// (columns 1-4 without blanks around, an optional "+"); none for an empty
// line, which the loader passes over.
std::vector<std::optional<int>> LineIndices(std::string_view content) {
    std::vector<std::optional<int>> indices;
    for (const auto& line : CatalogueSection(SplitCatalogueLines(content), kRuleMatrixHeader)) {
        std::string_view text = line.size() >= 4 ? Trim(std::string_view(line).substr(0, 4)) : std::string_view();
        if (!text.empty() && text.front() == '+') text.remove_prefix(1);
        int index = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
        const bool read = !text.empty() && ec == std::errc{} && end == text.data() + text.size();
        indices.push_back(read ? std::optional<int>(index) : std::nullopt);
    }
    return indices;
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(catalogue) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    const std::filesystem::path path = FreshScratchDir() / "GAMES.DAT";
    WriteBytes(path, bytes);

    GameList list;
    DRAVICOR_FUZZ_CHECK(LoadGameList(path, list), "an existing catalogue loads");
    const NoCustomGames none;
    for (const auto& line : list.lines) DRAVICOR_FUZZ_CHECK(line.size() < 8 || line[7] != '9', "a hidden game is listed");
    const std::vector<int> codes = ListedGameCodes(list);
    for (const int code : codes) {
        const std::string name = GameNameOf(list, code, none);
        const int back = GameCodeOf(list, name, none);
        DRAVICOR_FUZZ_CHECK(back >= 0 && GameNameOf(list, back, none) == name, "a game's name leads to no game of that name");
        const int family = GameFamilyOf(list, code);
        DRAVICOR_FUZZ_CHECK(family >= -1 && family <= 999, "a family out of its three digits");
    }

    // Both readers of the rule matrix, for a few games.
    const auto indices = LineIndices(bytes);
    std::set<int> tried;
    for (const int code : codes) {
        if (tried.size() >= 3) break;
        if (!tried.insert(code).second) continue;
        const auto rules = RulesOf(path, code);
        if (!rules) continue;
        std::vector<int> lineOf(GameRules::kSize, -1);
        for (size_t i = 0; i < indices.size(); ++i) {
            if (indices[i] && *indices[i] >= 0 && *indices[i] < GameRules::kSize) {
                lineOf[static_cast<size_t>(*indices[i])] = lineOf[static_cast<size_t>(*indices[i])] == -1 ? int(i) : -2;
            }
        }
        // Only where the loader's one line for the index is also the line
        // the single readers address.
        std::vector<int> agreeing;
        for (int index = 1; index < GameRules::kSize; ++index) {
            if (lineOf[static_cast<size_t>(index)] == index - 1) agreeing.push_back(index);
        }
        const auto values = ValuesOf(path, code, agreeing);
        DRAVICOR_FUZZ_CHECK(values || agreeing.empty(), "the single reader refuses what the rule loader read");
        for (size_t i = 0; values && i < agreeing.size(); ++i) {
            DRAVICOR_FUZZ_CHECK((*values)[i] == (*rules)[agreeing[i]],
                                "the two readers disagree on parameter " + std::to_string(agreeing[i]));
        }
        if (!agreeing.empty()) {
            const int index = agreeing[agreeing.size() / 2];
            const auto several = ReadRuleValueOfGames(path, index, {code, code});
            DRAVICOR_FUZZ_CHECK(several.size() == 2 && several[0] == (*rules)[index] && several[1] == (*rules)[index],
                                "ReadRuleValueOfGames disagrees");
        }
    }

    const std::vector<int> selected = SelectedGameCodes(path);
    DRAVICOR_FUZZ_CHECK(std::set<int>(selected.begin(), selected.end()).size() == selected.size(),
                        "a selected game is named twice");
    for (const int code : selected) DRAVICOR_FUZZ_CHECK(IsSelectedGame(path, code), "a selected game is not selected");

    for (const auto& line : SplitCatalogueLines(bytes)) {
        const std::string plain = RestoreText(line);
        if (IsStorableText(plain)) DRAVICOR_FUZZ_CHECK(RestoreText(ScrambleText(plain)) == plain, "scrambling is undone");
    }
}
