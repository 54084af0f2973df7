// The text front end's play session. The input is "GAME\nNUMBER\n" and then
// command lines, as a player or a script types them (files named by save
// and load stay in the scratch folder).
//   - every command is answered, and every answer ends with its "." line;
//   - after every command the table holds each card of the game once and
//     no other card;
//   - quit ends the session and records the deal.
#include <sstream>

#include <cctype>

#include "cards/position.h"
#include "common/text.h"
#include "cli/play_session.h"
#include "shell/program.h"
#include "fuzz_support.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

constexpr size_t kMaxCommands = 200;

// "save NAME" and "load NAME" (the rest of the line) name a file of the
// scratch folder.
std::string Confined(std::string_view line, const std::filesystem::path& folder) {
    std::istringstream words{std::string(line)};
    std::string command, name;
    words >> command >> name;
    if ((command != "save" && command != "load") || name.empty()) return std::string(line);
    std::string safe;
    for (const char c : line.substr(line.find(command) + command.size())) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == ' ') safe += c;
    }
    return command + " " + (folder / ("f" + safe.substr(0, 16))).string();
}

void ExpectEveryCardOnce(const Engine& engine, const std::string& after) {
    if (engine.game().gameCode == kNoGame) return;
    const int cards = engine.rules()[Rule::CardCount];
    std::vector<int> seen(kCardCount + 1, 0);
    for (const auto& line : BuildSnapshot(engine.position())) {
        for (size_t at = 0; at + 4 <= line.size(); at += 4) ++seen[static_cast<size_t>(std::stoi(line.substr(at, 3)))];
    }
    for (int card = 1; card <= kCardCount; ++card) {
        DRAVICOR_FUZZ_CHECK(seen[static_cast<size_t>(card)] == (card <= cards ? 1 : 0),
                            "card " + std::to_string(card) + " lies on the table " +
                                std::to_string(seen[static_cast<size_t>(card)]) + " times after \"" + after + "\"");
    }
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(play_session) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int game = input.below(32);
    const std::string number(input.line().substr(0, 13));
    const std::filesystem::path& dir = FreshProgramDir();
    test::FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir, platform);
    DRAVICOR_FUZZ_CHECK(program.initialise(), "start-up");
    std::ostringstream out;
    PlaySession session(program, out);
    if (!session.start(game, IsDigits(number) ? number : "")) return;
    ExpectEveryCardOnce(program.engine(), "the deal");

    bool going = true;
    for (size_t i = 0; going && i < kMaxCommands && !input.rest().empty(); ++i) {
        const std::string line = Confined(input.line(), dir);
        out.str("");
        going = session.answer(line);
        const std::string answer = out.str();
        DRAVICOR_FUZZ_CHECK(answer.size() >= 2 && answer.compare(answer.size() - 2, 2, ".\n") == 0 &&
                                (answer.size() == 2 || answer[answer.size() - 3] == '\n'),
                            "the answer to \"" + line + "\" does not end with its \".\" line");
        // Quit game clears the table.
        if (going) ExpectEveryCardOnce(program.engine(), line);
    }
    if (going) DRAVICOR_FUZZ_CHECK(!session.answer("quit"), "quit ends the session");
}
