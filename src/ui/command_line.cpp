#include "ui/command_line.h"

#include "select/game_numbers.h"

namespace dravicor {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--startup-time" && !line.startupTime) {
            line.startupTime = true;
        } else if (args[i] == "--program-dir" && !line.programDir && i + 1 < args.size() && !args[i + 1].empty()) {
            line.programDir = args[++i];
        } else if (args[i] == "--number" && !line.gameNumber && i + 1 < args.size()) {
            // Taken as the number dialog takes it: 1 to 13 digits, not 0.
            const GameNumberEntry entry = CheckGameNumber(args[++i]);
            if (entry.check != GameNumberCheck::Accepted) return std::nullopt;
            line.gameNumber = entry.number;
        } else {
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace dravicor
