#include "ui/command_line.h"

namespace dravicor {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--startup-time" && !line.startupTime) {
            line.startupTime = true;
        } else if (args[i] == "--program-dir" && !line.programDir && i + 1 < args.size() && !args[i + 1].empty()) {
            line.programDir = args[++i];
        } else {
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace dravicor
