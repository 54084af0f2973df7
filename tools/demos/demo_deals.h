#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace dravicor {

// What the demo list (data/demo-deals.txt) says of one game: the deal to
// record and how far the solver may search it, for games whose first deals
// the recorder's ordinary budget does not win; or why the game ships no
// demo (no deal tried could be won).
struct DemoDeal {
    int gameNumber = 0;  // 0: no demo, for `reason`
    std::int64_t positions = 0;
    std::string reason;
};

// Reads the list: one game a line, "CODE NUMBER POSITIONS" or
// "CODE none REASON..."; '#' starts a comment. A malformed line, or a code
// named twice, sets `error` to the line's number and fault and returns
// nothing.
std::map<int, DemoDeal> ParseDemoDeals(std::string_view text, std::string& error);
std::map<int, DemoDeal> ReadDemoDeals(const std::filesystem::path& path, std::string& error);

}  // namespace dravicor
