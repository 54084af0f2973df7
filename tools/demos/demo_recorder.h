#pragma once

#include <cstdint>
#include <filesystem>
#include <string>


namespace dravicor {

// How hard the recorder tries for one game: deals 1, 2, ... up to `deals`,
// each searched by the solver for a win within `positions`; the first
// winnable deal is searched again for its shortest line within
// `shortestPositions`. Positions, not time, so that the same engine and
// catalogue always record the same files.
// A game of the demo list is tried first on its `listedDeal`, searched
// within `listedPositions` for a win and again for its shortest line.
struct DemoBudget {
    int deals = 10;
    std::int64_t positions = 100000;
    std::int64_t shortestPositions = 100000;
    int listedDeal = 0;
    std::int64_t listedPositions = 0;
};

// What recording one game's demo came to.
struct DemoRecord {
    int code = 0;
    int gameNumber = 0;  // the deal won; 0 when none was
    size_t steps = 0;    // undo steps from the deal to the win
    int dealsTried = 0;
    bool listedDealWon = false;  // the deal of the demo list was the one won
    std::int64_t positions = 0;     // searched in all
    std::int64_t wonPositions = 0;  // the search that won the deal took
    std::string fileName;  // written into the folder; empty when none
    std::string error;     // the catalogue or the folder failed us
};

// Solves the game's listed deal, if any, then its deals in order until one is won, plays the shortest
// line found through the engine as a player would (autoplay off, as the
// solver plays), and saves that game, its whole play in the undo history,
// as the game's demo file in the folder. A line the engine does not end
// won is an error: the solver and the engine disagree.
DemoRecord RecordDemo(const std::filesystem::path& catalogue, int code, const std::filesystem::path& folder,
                      const DemoBudget& budget);

}  // namespace dravicor
