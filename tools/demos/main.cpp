// dravicor-demos: records a demo of every listed game of the catalogue into
// the program's Demos folder. Usage:
//   dravicor-demos --catalogue GAMES.DAT --output DEMOS_FOLDER [--deals DEMO_LIST]
//                  [--only CODE,CODE...] [--budget DEALS POSITIONS]
// (--only and --budget are for finding the deals of the demo list: the
// build always records every game with the fixed budget.)
// Writes G####.GAM for each game whose deal it wins within a fixed budget
// (the demo list names the deal and budget of the games that need more),
// removes the demo files it did not write, and last the stamp file
// ".recorded": one line per file written, with its game number and steps.
// Exits 1 when the catalogue or the demo list cannot be read, a game cannot be dealt or a
// file cannot be written; a game without a win is reported and skipped.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "common/file_io.h"
#include "demo_deals.h"
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
    std::filesystem::path deals;
    std::vector<int> only;
    DemoBudget budget = kBudget;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    const auto number = [](const char* text, auto& value) {
        const std::string_view word = text;
        const auto [at, fault] = std::from_chars(word.data(), word.data() + word.size(), value);
        return fault == std::errc{} && at == word.data() + word.size() && value > 0;
    };
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--catalogue") {
            options.catalogue = argv[i + 1];
        } else if (name == "--output") {
            options.output = argv[i + 1];
        } else if (name == "--deals") {
            options.deals = argv[i + 1];
        } else if (name == "--only") {
            std::istringstream codes(argv[i + 1]);
            for (std::string code; std::getline(codes, code, ',');) {
                int value = 0;
                if (code != "0" && !number(code.c_str(), value)) return std::nullopt;
                options.only.push_back(value);
            }
        } else if (name == "--budget" && i + 2 < argc) {
            if (!number(argv[i + 1], options.budget.deals) || !number(argv[i + 2], options.budget.positions)) {
                return std::nullopt;
            }
            options.budget.shortestPositions = options.budget.positions;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (options.catalogue.empty() || options.output.empty()) return std::nullopt;
    return options;
}

// Every game on its own thread, as many at once as the machine has cores.
std::vector<DemoRecord> RecordAll(const std::vector<int>& codes, const Options& options,
                                  const std::map<int, DemoDeal>& listed) {
    std::vector<DemoRecord> records(codes.size());
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < codes.size(); i = next++) {
            DemoBudget budget = options.budget;
            if (const auto found = listed.find(codes[i]); found != listed.end()) {
                budget.listedDeal = found->second.gameNumber;
                budget.listedPositions = found->second.positions;
            }
            records[i] = RecordDemo(options.catalogue, codes[i], options.output, budget);
        }
    };
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(1, codes.size()));
    std::vector<std::jthread> workers;
    for (size_t t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    return records;
}

void Report(const DemoRecord& record, const std::string& name, const DemoDeal* listed) {
    std::cout << name << " (" << record.code << "): ";
    if (!record.fileName.empty()) {
        std::cout << record.fileName << ", game number " << record.gameNumber << ", " << record.steps
                  << " steps, won within " << record.wonPositions << " positions";
    } else if (!record.error.empty()) {
        std::cout << "no demo: " << record.error;
    } else {
        std::cout << "no demo: no win within " << record.dealsTried << " deals";
    }
    std::cout << " (" << record.positions << " positions)\n";
    // The list and the search disagree: the list wants mending.
    if (listed && listed->gameNumber > 0 && !record.listedDealWon) {
        std::cout << "  the demo list's game number " << listed->gameNumber << " was not won within "
                  << listed->positions << " positions\n";
    }
    if (listed && listed->gameNumber == 0 && !record.fileName.empty()) {
        std::cout << "  won, though the demo list says: " << listed->reason << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: dravicor-demos --catalogue GAMES.DAT --output DEMOS_FOLDER [--deals DEMO_LIST]\n"
                     "                      [--only CODE,CODE...] [--budget DEALS POSITIONS]\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    GameList list;
    if (!LoadGameList(options->catalogue, list)) {
        std::cerr << "dravicor-demos: cannot read the game catalogue " << options->catalogue.string() << '\n';
        return 1;
    }
    std::map<int, DemoDeal> listed;
    if (!options->deals.empty()) {
        std::string error;
        listed = ReadDemoDeals(options->deals, error);
        if (!error.empty()) {
            std::cerr << "dravicor-demos: " << error << '\n';
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(options->output, ec);
    if (ec) {
        std::cerr << "dravicor-demos: cannot create " << options->output.string() << ": " << ec.message() << '\n';
        return 1;
    }

    const std::vector<int> codes = options->only.empty() ? ListedGameCodes(list) : options->only;
    const std::vector<DemoRecord> records = RecordAll(codes, *options, listed);

    bool failed = false;
    std::vector<std::string> written;
    std::string stamp;
    for (const DemoRecord& record : records) {
        const auto entry = listed.find(record.code);
        Report(record, GameNameOf(list, record.code, NoCustomGames{}), entry == listed.end() ? nullptr : &entry->second);
        failed = failed || !record.error.empty();
        if (record.fileName.empty()) continue;
        written.push_back(record.fileName);
        stamp += record.fileName + " " + std::to_string(record.gameNumber) + " " + std::to_string(record.steps) + "\n";
    }
    // A recording of some games only leaves the folder's other files be.
    if (options->only.empty()) {
        for (const std::string& name : RemoveStaleDemos(options->output, written)) std::cout << "removed " << name << '\n';
        if (!WriteFileAtomically(options->output / kStampName, stamp)) {
            std::cerr << "dravicor-demos: cannot write " << (options->output / kStampName).string() << '\n';
            failed = true;
        }
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << written.size() << " of " << codes.size() << " games recorded in " << seconds << " s\n";
    return failed ? 1 : 0;
}
