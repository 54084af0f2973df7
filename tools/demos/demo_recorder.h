#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "deal_search.h"

namespace dravicor {

// How hard the recorder tries for one game: deals 1, 2, ... up to `deals`,
// each searched within `search`.
struct DemoBudget {
    int deals = 10;
    SearchBudget search;
};

// What recording one game's demo came to.
struct DemoRecord {
    int code = 0;
    int gameNumber = 0;  // the deal won; 0 when none was
    size_t steps = 0;    // undo steps from the deal to the win
    int dealsTried = 0;
    std::int64_t positions = 0;
    std::int64_t refusedMoves = 0;
    std::int64_t misroutedMoves = 0;
    std::int64_t unendedWins = 0;
    std::string fileName;  // written into the folder; empty when none
    std::string error;     // the catalogue or the folder failed us
};

// Plays the game's deals in order until one is won and saves that game,
// its whole play in the undo history, as the game's demo file in the folder.
// The engine runs over a silent platform with autoplay on where the game
// offers it, so that the demo is as short as a player would see it.
DemoRecord RecordDemo(const std::filesystem::path& catalogue, int code, const std::filesystem::path& folder,
                      const DemoBudget& budget);

}  // namespace dravicor
