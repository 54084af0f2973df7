#include "select/game_description.h"

#include <array>
#include <charconv>
#include <optional>

#include "common/settings_record.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "rules/game_rules.h"

namespace dravicor {

namespace {

constexpr std::string_view kCustomizedGame = "Customized game";
constexpr std::string_view kDisabledGauge = "PROG_DISABLED";

template <std::size_t N>
std::string Pick(const std::array<std::string_view, N>& texts, int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N ? std::string(texts[static_cast<std::size_t>(value)])
                                                              : std::string();
}

constexpr std::array<std::string_view, 3> kTimeTexts = {"Long", "Medium", "Quick"};
constexpr std::array<std::string_view, 3> kTimePictures = {"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK"};
constexpr std::array<std::string_view, 3> kDifficultyTexts = {"Easy", "Medium", "Hard"};
constexpr std::array<std::string_view, 3> kDifficultyPictures = {"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
                                                                 "PROG_DIFF_HARD"};
constexpr std::array<std::string_view, 5> kChanceTexts = {"Very high", "High", "Medium", "Low", "Very low"};
constexpr std::array<std::string_view, 5> kChancePictures = {"PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH",
                                                             "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
                                                             "PROG_CHAN_VERYLOW"};

// Characters 4-6 of a customized game's rules: its deals of the stock.
std::optional<int> CustomDeals(std::string_view settings) {
    if (settings.size() < 6) return std::nullopt;
    const std::string_view text = Trim(settings.substr(3, 3));
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string GameTimeText(int value) { return Pick(kTimeTexts, value); }
std::string DifficultyText(int value) { return Pick(kDifficultyTexts, value); }
std::string ChanceOfWinningText(int value) { return Pick(kChanceTexts, value); }

std::string ChanceWithOdds(int chance, int winsPer, int winsOutOf) {
    std::string text = ChanceOfWinningText(chance);
    if (winsOutOf != 0) text += " (about " + std::to_string(winsPer) + " in " + std::to_string(winsOutOf) + ")";
    return text;
}

std::string DecksText(int cardCount) {
    // Halves go to the even neighbour.
    int decks = cardCount / 52;
    const int rest = cardCount % 52;
    if (2 * rest > 52 || (2 * rest == 52 && decks % 2 != 0)) ++decks;
    return std::to_string(decks);
}

std::string RedealsText(int deals) {
    if (deals == -1) return "Unlimited";
    if (deals == 0) return "0";
    return std::to_string(deals - 1);
}

std::string GamePreviewName(int code) { return "GAME" + FormatField(code, 4); }

GameDescription DescribeGame(const std::filesystem::path& catalogue, int code, std::string_view caption,
                             const CustomGames& custom) {
    GameDescription description;
    description.name = caption;
    int base = code;
    std::optional<int> customDeals;
    const bool customized = code >= kFirstCustomCode;
    if (customized) {
        const auto game = custom.find(code);
        if (!game) {
            description.problem = "There is no customized game " + std::to_string(code) + ".";
            return description;
        }
        base = game->baseCode;
        customDeals = CustomDeals(game->settings);
    }

    std::vector<std::int16_t> values;
    try {
        values = ReadRuleValues(catalogue, base,
                                {Rule::Redeals, Rule::CardCount, Rule::GameTime, Rule::Difficulty,
                                 Rule::ChanceOfWinning, Rule::WinsPer, Rule::WinsOutOf});
    } catch (const CatalogueError& error) {
        description.problem = error.what();
        return description;
    }
    const int redeals = values[0], cardCount = values[1], time = values[2], difficulty = values[3],
              chance = values[4], winsPer = values[5], winsOutOf = values[6];

    if (customized) {
        description.time = description.difficulty = description.chance = {std::string(kCustomizedGame),
                                                                           std::string(kDisabledGauge)};
    } else {
        description.time = {GameTimeText(time), Pick(kTimePictures, time)};
        description.difficulty = {DifficultyText(difficulty), Pick(kDifficultyPictures, difficulty)};
        description.chance = {ChanceOfWinningText(chance).empty() ? std::string()
                                                                  : ChanceWithOdds(chance, winsPer, winsOutOf),
                              Pick(kChancePictures, chance)};
    }
    description.decks = DecksText(cardCount);
    description.redeals = RedealsText(customDeals.value_or(redeals));
    description.preview = GamePreviewName(base);
    return description;
}

}  // namespace dravicor
