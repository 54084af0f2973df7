#pragma once

#include <optional>
#include <string>

#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "savegame/saved_game.h"

namespace dravicor::test {

// The rules of the built catalogue's first seven games, with made-up names.
inline SavedGameCatalogue ShippedGames() {
    SavedGameCatalogue catalogue;
    catalogue.rules = [](int code) -> std::optional<GameRules> {
        if (code < 0 || code > 6) return std::nullopt;
        return LoadGameRules(BuiltCatalogue(), code, NoCustomGames());
    };
    catalogue.name = [](int code) { return "Game " + std::to_string(code); };
    return catalogue;
}

}  // namespace dravicor::test
