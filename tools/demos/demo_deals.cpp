#include "demo_deals.h"

#include <charconv>
#include <sstream>

#include "common/file_io.h"
#include "common/text.h"

namespace dravicor {

namespace {

// A whole decimal word, no less than `least`.
template <typename Number>
bool ReadNumber(std::string_view word, Number& value, Number least) {
    const char* end = word.data() + word.size();
    const auto [at, fault] = std::from_chars(word.data(), end, value);
    return fault == std::errc{} && at == end && value >= least;
}

}  // namespace

std::map<int, DemoDeal> ParseDemoDeals(std::string_view text, std::string& error) {
    std::map<int, DemoDeal> deals;
    std::istringstream lines{std::string(text)};
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        const std::string_view content = Trim(std::string_view(line).substr(0, line.find('#')));
        if (content.empty()) continue;
        const auto fail = [&](const std::string& fault) {
            error = "line " + std::to_string(lineNumber) + ": " + fault;
            return std::map<int, DemoDeal>{};
        };
        std::istringstream words{std::string(content)};
        std::string codeWord, numberWord;
        words >> codeWord >> numberWord;
        int code = 0;
        if (!ReadNumber(codeWord, code, 0)) return fail("a game code must come first");
        DemoDeal deal;
        if (numberWord == "none") {
            std::getline(words, deal.reason);
            deal.reason = std::string(Trim(deal.reason));
            if (deal.reason.empty()) return fail("a game without a demo needs its reason");
        } else {
            std::string positionsWord, rest;
            words >> positionsWord >> rest;
            if (!ReadNumber(numberWord, deal.gameNumber, 1) ||
                !ReadNumber(positionsWord, deal.positions, std::int64_t{1}) || !rest.empty()) {
                return fail("expected CODE NUMBER POSITIONS or CODE none REASON");
            }
        }
        if (!deals.emplace(code, deal).second) return fail("game " + std::to_string(code) + " is named twice");
    }
    return deals;
}

std::map<int, DemoDeal> ReadDemoDeals(const std::filesystem::path& path, std::string& error) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        error = "cannot read " + path.string();
        return {};
    }
    std::map<int, DemoDeal> deals = ParseDemoDeals(*text, error);
    if (!error.empty()) error = path.string() + ": " + error;
    return deals;
}

}  // namespace dravicor
