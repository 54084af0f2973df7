#include "ui/command_line.h"

namespace dravicor {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--program-dir" || i + 1 >= args.size() || args[i + 1].empty()) return std::nullopt;
        line.programDir = args[++i];
    }
    return line;
}

}  // namespace dravicor
