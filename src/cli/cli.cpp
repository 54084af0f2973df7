#include "cli/cli.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <optional>

#include "cards/card_table.h"
#include "cli/play_session.h"
#include "cli/text_platform.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "rules/deck_order.h"
#include "shell/program.h"

namespace dravicor {

namespace {

constexpr const char* kUsage =
    "usage: dravicor-cli [--program-dir DIR] COMMAND\n"
    "commands:\n"
    "  settings             print every settings-record field after start-up, NAME=VALUE\n"
    "  cards                print the 104 card records in card-number order\n"
    "  games                print the listed games: CODE FAMILY NAME\n"
    "  rules CODE           print the game's non-zero rule parameters: INDEX VALUE\n"
    "  deck NUMBER CARDS    print the deck order of a game number for 1-52 or 104 cards\n"
    "  deal CODE NUMBER     print the position snapshot right after the deal\n"
    "  play CODE [NUMBER]   play a game with commands from standard input\n"
    "                       (--answer no declines the questions the game asks)\n";

struct Options {
    std::optional<std::filesystem::path> programDir;
    bool answerYes = true;
    std::vector<std::string> command;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--program-dir") {
            if (i + 1 >= args.size()) return std::nullopt;
            options.programDir = args[++i];
        } else if (args[i] == "--answer") {
            if (i + 1 >= args.size() || (args[i + 1] != "yes" && args[i + 1] != "no")) return std::nullopt;
            options.answerYes = args[++i] == "yes";
        } else {
            options.command.push_back(args[i]);
        }
    }
    if (options.command.empty()) return std::nullopt;
    return options;
}

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// What a command gets to work with.
struct Context {
    const std::vector<std::string>& args;  // the command's own arguments
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    Program* program;  // null for commands that need no start-up
};

int PrintSettings(Context& c) {
    for (const FieldEntry& entry : AllSettingsFields()) {
        if (entry.name.empty()) {
            c.out << "POS" << entry.field.position;
        } else {
            c.out << entry.name;
        }
        c.out << '=' << c.program->settings().get(entry.field) << '\n';
    }
    return 0;
}

int PrintCards(Context& c) {
    for (int card = 1; card <= kCardCount; ++card) c.out << c.program->position().cardTable.CardRecord(card) << '\n';
    return 0;
}

int PrintGames(Context& c) {
    const GameList& list = c.program->gameList();
    for (const std::string& line : list.lines) {
        const auto code = line.size() >= 7 ? ParseNumber(line.substr(4, 3)) : std::nullopt;
        if (!code) continue;  // a damaged line names no game
        c.out << *code << ' ' << GameFamilyOf(list, *code) << ' '
              << GameNameOf(list, *code, c.program->customGames()) << '\n';
    }
    return 0;
}

std::optional<int> GameCodeArgument(Context& c);

int PrintRules(Context& c) {
    const auto code = GameCodeArgument(c);
    if (!code) return 1;
    try {
        const GameRules rules = LoadGameRules(c.program->cataloguePath(), *code, c.program->customGames());
        for (int index = 0; index < GameRules::kSize; ++index) {
            if (rules[index] != 0) c.out << index << ' ' << rules[index] << '\n';
        }
    } catch (const CatalogueError& error) {
        c.err << "dravicor-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

int PrintDeck(Context& c) {
    const auto cards = ParseNumber(c.args[1]);
    const DeckOrderResult result = BuildDeckOrder(c.args[0], cards.value_or(0));
    if (result.error != DeckOrderError::None) {
        c.err << "dravicor-cli: " << DeckOrderErrorMessage(result.error, c.args[0]) << '\n';
        return 1;
    }
    for (int i = 0; i < result.order.size; ++i) {
        c.out << (i ? " " : "") << static_cast<int>(result.order.cards[static_cast<size_t>(i)]);
    }
    c.out << '\n';
    return 0;
}

std::optional<int> GameCodeArgument(Context& c) {
    const auto code = ParseNumber(c.args[0]);
    if (!code || GameNameOf(c.program->gameList(), *code, c.program->customGames()).empty()) {
        c.err << "dravicor-cli: no game has the code " << c.args[0] << '\n';
        return std::nullopt;
    }
    return code;
}

int PrintDeal(Context& c) {
    const auto code = GameCodeArgument(c);
    if (!code || !c.program->selectGame(*code)) return 1;
    Engine& engine = c.program->engine();
    engine.SetAutoplay(false);
    c.program->settings().put(Field::CurrentGameNumber, c.args[1]);
    if (!engine.StartGame(true, false, 0, true)) return 1;
    for (const std::string& line : BuildSnapshot(engine.position())) c.out << line << '\n';
    return 0;
}

int Play(Context& c) {
    const auto code = GameCodeArgument(c);
    if (!code) return 1;
    PlaySession session(*c.program, c.out);
    if (!session.start(*code, c.args.size() > 1 ? c.args[1] : std::string())) return 1;
    session.run(c.in);
    return 0;
}

struct Command {
    std::string_view name;
    size_t minArguments;
    size_t maxArguments;
    bool needsStartUp;
    bool messagesToOutput;  // the play session prints the game's messages among its answers
    int (*run)(Context&);
};

constexpr Command kCommands[] = {
    {"settings", 0, 0, true, false, PrintSettings}, {"cards", 0, 0, true, false, PrintCards},
    {"games", 0, 0, true, false, PrintGames},       {"rules", 1, 1, true, false, PrintRules},
    {"deck", 2, 2, false, false, PrintDeck},        {"deal", 2, 2, true, false, PrintDeal},
    {"play", 1, 2, true, true, Play},
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(args);
    const Command* command = nullptr;
    if (options) {
        for (const Command& candidate : kCommands) {
            if (candidate.name == options->command[0]) command = &candidate;
        }
        if (!command) err << "dravicor-cli: unknown command: " << options->command[0] << '\n';
    }
    const size_t arguments = options ? options->command.size() - 1 : 0;
    if (!command || arguments < command->minArguments || arguments > command->maxArguments) {
        err << kUsage;
        return 2;
    }
    const std::vector<std::string> commandArgs(options->command.begin() + 1, options->command.end());
    if (!command->needsStartUp) {
        Context context{commandArgs, in, out, err, nullptr};
        return command->run(context);
    }

    // Messages raised during start-up go to standard error, so that the
    // command's own output stays exact.
    TextPlatform text(command->messagesToOutput ? out : err, options->answerYes);
    Platform platform = text.platform();
    try {
        Program program(options->programDir.value_or(ExecutableDir()), platform);
        if (!program.initialise()) return 1;
        Context context{commandArgs, in, out, err, &program};
        return command->run(context);
    } catch (const StartupError& error) {
        err << "dravicor-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace dravicor
