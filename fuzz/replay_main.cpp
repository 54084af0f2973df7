// Runs stored inputs through the fuzz targets, as the fuzzer would:
//   dravicor-fuzz-replay TARGET PATH...   every file, and every file in every folder
//   dravicor-fuzz-replay --list           the targets
// A failed property aborts; an input that passes prints nothing.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace dravicor::fuzz {

namespace {

std::map<std::string, TargetFunction>& Targets() {
    static std::map<std::string, TargetFunction> targets;
    return targets;
}

}  // namespace

bool RegisterTarget(const char* name, TargetFunction function) {
    Targets()[name] = function;
    return true;
}

}  // namespace dravicor::fuzz

int main(int argc, char** argv) {
    using namespace dravicor::fuzz;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--list") {
        for (const auto& [name, function] : Targets()) std::printf("%s\n", name.c_str());
        return 0;
    }
    if (args.size() < 2 || !Targets().contains(args[0])) {
        std::fprintf(stderr, "usage: dravicor-fuzz-replay TARGET PATH...   (--list names the targets)\n");
        return 2;
    }
    std::vector<std::filesystem::path> inputs;
    for (size_t i = 1; i < args.size(); ++i) {
        std::error_code ec;
        if (std::filesystem::is_directory(args[i], ec)) {
            for (const auto& entry : std::filesystem::directory_iterator(args[i])) {
                if (entry.is_regular_file()) inputs.push_back(entry.path());
            }
        } else if (std::filesystem::is_regular_file(args[i], ec)) {
            inputs.push_back(args[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "dravicor-fuzz-replay: no inputs for %s\n", args[0].c_str());
        return 1;
    }
    const TargetFunction target = Targets()[args[0]];
    for (const auto& input : inputs) {
        // Named first, so that a failing input is known from the output.
        std::fprintf(stderr, "%s\n", input.c_str());
        const auto bytes = ReadBytes(input);
        if (!bytes) {
            std::fprintf(stderr, "dravicor-fuzz-replay: cannot read %s\n", input.c_str());
            return 1;
        }
        target(*bytes);
    }
    std::printf("%s: %zu inputs replayed\n", args[0].c_str(), inputs.size());
    return 0;
}
