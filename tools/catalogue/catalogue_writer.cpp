#include "catalogue_writer.h"

#include <algorithm>

#include "common/settings_record.h"
#include "rules/catalogue.h"
#include "rules/game_rules.h"
#include "rules/rule_parameters.h"

namespace dravicor::catalogue {

namespace {

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

int ValueOf(const GameSource& game, int index) {
    const auto it = game.values.find(index);
    return it == game.values.end() ? 0 : it->second.value;
}

std::string MatrixLine(const std::vector<GameSource>& games, int index) {
    std::string plain;
    plain.reserve(kMatrixColumnWidth * (games.size() + 2));
    // Columns 6-16 carry the parameter's name as a readable label.
    plain += Padded(std::string(ParameterName(index)), kMatrixValueColumn - kMatrixScrambledFrom);
    for (const auto& game : games) {
        plain += Padded(std::to_string(ValueOf(game, index)), kMatrixValueWidth);
        plain += ' ';
    }
    return FormatField(index, 4) + " " + ScrambleText(plain);
}

}  // namespace

std::string WriteCatalogue(std::vector<GameSource> games) {
    std::sort(games.begin(), games.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    std::string out;
    const auto line = [&](const std::string& text) { out += text + "\r\n"; };

    line(std::string(kGameListHeader));
    for (const auto& game : games) {
        const std::string plain = FormatField(game.family, 3) + " " + FormatField(game.code, 3) +
                                  (game.listed ? "0" : "9") + "  " + Padded(game.name, 50);
        line(ScrambleText(plain));
    }

    line(std::string(kRuleMatrixHeader));
    for (int index = 1; index < GameRules::kSize; ++index) line(MatrixLine(games, index));
    // Readers address lines by position (parameter p on line p - 1), so
    // parameter 0 can only come after the others.
    if (std::any_of(games.begin(), games.end(), [](const auto& g) { return ValueOf(g, 0) != 0; })) {
        line(MatrixLine(games, 0));
    }

    line(std::string(kSelectedGamesHeader));
    for (const auto& game : games) {
        if (game.selected) line(ScrambleText(std::to_string(game.code)));
    }
    return out;
}

}  // namespace dravicor::catalogue
