// dravicor-demos: records a demo of every listed game of the catalogue into
// the program's Demos folder. Usage:
//   dravicor-demos --catalogue GAMES.DAT --output DEMOS_FOLDER
// Writes G####.GAM for each game whose deal it wins within a fixed budget,
// removes the demo files it did not write, and last the stamp file
// ".recorded": one line per file written, with its game number and steps.
// Exits 1 when the catalogue cannot be read, a game cannot be dealt or a
// file cannot be written; a game without a win is reported and skipped.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "common/file_io.h"
#include "demo_files.h"
#include "demo_recorder.h"
#include "rules/catalogue.h"

namespace {

using namespace dravicor;

constexpr std::string_view kStampName = ".recorded";

// Fixed, so that the same engine always records the same games. Most
// games win their first deal or one of the next; at the worst, no game
// winning, each game tries every deal: some 3 million positions, a few
// seconds a game.
constexpr DemoBudget kBudget{30, 100000, 100000};

struct Options {
    std::filesystem::path catalogue;
    std::filesystem::path output;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--catalogue") {
            options.catalogue = argv[i + 1];
        } else if (name == "--output") {
            options.output = argv[i + 1];
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0 || options.catalogue.empty() || options.output.empty()) return std::nullopt;
    return options;
}

// Every game on its own thread, as many at once as the machine has cores.
std::vector<DemoRecord> RecordAll(const std::vector<int>& codes, const Options& options) {
    std::vector<DemoRecord> records(codes.size());
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < codes.size(); i = next++) {
            records[i] = RecordDemo(options.catalogue, codes[i], options.output, kBudget);
        }
    };
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(1, codes.size()));
    std::vector<std::jthread> workers;
    for (size_t t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    return records;
}

void Report(const DemoRecord& record, const std::string& name) {
    std::cout << name << " (" << record.code << "): ";
    if (!record.fileName.empty()) {
        std::cout << record.fileName << ", game number " << record.gameNumber << ", " << record.steps << " steps";
    } else if (!record.error.empty()) {
        std::cout << "no demo: " << record.error;
    } else {
        std::cout << "no demo: no win within " << record.dealsTried << " deals";
    }
    std::cout << " (" << record.positions << " positions)\n";
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: dravicor-demos --catalogue GAMES.DAT --output DEMOS_FOLDER\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    GameList list;
    if (!LoadGameList(options->catalogue, list)) {
        std::cerr << "dravicor-demos: cannot read the game catalogue " << options->catalogue.string() << '\n';
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(options->output, ec);
    if (ec) {
        std::cerr << "dravicor-demos: cannot create " << options->output.string() << ": " << ec.message() << '\n';
        return 1;
    }

    const std::vector<int> codes = ListedGameCodes(list);
    const std::vector<DemoRecord> records = RecordAll(codes, *options);

    bool failed = false;
    std::vector<std::string> written;
    std::string stamp;
    for (const DemoRecord& record : records) {
        Report(record, GameNameOf(list, record.code, NoCustomGames{}));
        failed = failed || !record.error.empty();
        if (record.fileName.empty()) continue;
        written.push_back(record.fileName);
        stamp += record.fileName + " " + std::to_string(record.gameNumber) + " " + std::to_string(record.steps) + "\n";
    }
    for (const std::string& name : RemoveStaleDemos(options->output, written)) std::cout << "removed " << name << '\n';
    if (!WriteFileAtomically(options->output / kStampName, stamp)) {
        std::cerr << "dravicor-demos: cannot write " << (options->output / kStampName).string() << '\n';
        failed = true;
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << written.size() << " of " << codes.size() << " games recorded in " << seconds << " s\n";
    return failed ? 1 : 0;
}
