#include "cli/cli.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <optional>

#include "cards/card_table.h"
#include "cli/play_session.h"
#include "cli/solve_commands.h"
#include "cli/text_platform.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "rules/deck_order.h"
#include "players/player_list.h"
#include "select/custom_game_file.h"
#include "select/favourites.h"
#include "select/game_numbers.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"
#include "stats/overall_score.h"
#include "stats/statistics.h"

namespace dravicor {

namespace {

constexpr const char* kUsage =
    "usage: dravicor-cli [--program-dir DIR] [--answer yes|no] COMMAND\n"
    "       dravicor-cli --help\n"
    "options:\n"
    "  --program-dir DIR    read the games from DIR, and keep the preferences and records\n"
    "                       in DIR/DATA when DIR can be written\n"
    "  --answer yes|no      answer the questions a command asks (default yes)\n"
    "  --help               print this text\n"
    "commands:\n"
    "  settings             print every settings-record field after start-up, NAME=VALUE\n"
    "  cards                print the 104 card records in card-number order\n"
    "  games                print the listed games: CODE FAMILY NAME\n"
    "  rules CODE           print the game's non-zero rule parameters: INDEX VALUE\n"
    "  deck NUMBER CARDS    print the deck order of a game number for 1-52 or 104 cards\n"
    "  deal CODE NUMBER     print the position snapshot right after the deal\n"
    "  play CODE [NUMBER]   play a game with commands from standard input:\n"
    "                       snapshot, show, state (its verdict winnable, not-winnable\n"
    "                       or unknown is for the deal with every card known), hint\n"
    "                       (the next move as a command), moves, move CARD PILE, stock,\n"
    "                       dblclick CARD, press CARD|stock, selection, undo, redo,\n"
    "                       counter [stock|tableau|inverted],\n"
    "                       autoplay on|off, save FILE, load FILE (the rest\n"
    "                       of the line), restart, number NUMBER,\n"
    "                       demo on|off|first|prior|next|last|goto N, quit\n"
    "  solve CODE NUMBER [--budget N] [--seconds S] [--cpu-seconds S] [--memory MIB] [--moves]\n"
    "                       search the deal for a win with every card known (thoughtful):\n"
    "                       the verdict won, lost or unknown, positions searched (moves\n"
    "                       made, N at most), time, peak memory; --moves prints the\n"
    "                       winning line as play commands, the report on standard error\n"
    "  survey CODE FROM TO [--budget N] [--seconds S] [--cpu-seconds S] [--memory MIB] [--jobs N]\n"
    "                       [--deals]\n"
    "                       solve deals FROM to TO (S seconds each at most, default 2;\n"
    "                       --cpu-seconds bounds the processor time of each search):\n"
    "                       won, lost and unknown counts with 95% intervals, mean and\n"
    "                       median time, peak memory; --deals adds a line per deal\n"
    "  stats CODE PLAYER    print a player's statistics of a game\n"
    "  log                  print the game log, newest deal first\n"
    "  hiscores CODE [SYS]  print a game's hi-score table (scoring system SYS, default 01)\n"
    "  overall              print the overall-score ranking\n"
    "  players              print the players, the current one marked with *\n"
    "  players add NAME | rename OLD NEW | delete NAME | choose NAME\n"
    "  custom               list the customized games: CODE BASE RULES NAME\n"
    "  custom add NAME CARDS DEALS TABLEAU | custom delete CODE\n"
    "  numbers              print the recently played game numbers\n"
    "  favourites           print the favourite games; favourites set NAME...\n";

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

int Solve(Context& c) { return SolveCommand(*c.program, c.args, c.out, c.err); }
int Survey(Context& c) { return SurveyCommand(*c.program, c.args, c.out, c.err); }

int PrintStats(Context& c) {
    const auto code = GameCodeArgument(c);
    if (!code) return 1;
    const StatRecord r = ReadStatistics(c.program->dataFiles(), c.program->settings(), *code, c.args[1]).record;
    c.out << "Won=" << r.won << "\nLost=" << r.lost << "\nBestWinStreak=" << r.bestWinStreak
          << "\nWorstLossStreak=" << r.worstLossStreak << "\nCurrentWinStreak=" << r.currentWinStreak
          << "\nCurrentLossStreak=" << r.currentLossStreak << "\nTotalScore=" << r.totalScore << "\nHintsUsed=" << r.hintsUsed << '\n';
    return 0;
}

int PrintLog(Context& c) {
    for (const std::string& line : FilterGameLog(ReadGameLog(c.program->dataFiles()), kAllPlayers, kAllGames)) {
        c.out << line << '\n';
    }
    return 0;
}

// Fields of a hi-score entry by their columns (0-based offset, width).
std::string EntryField(const std::string& entry, size_t offset, size_t width) {
    if (entry.size() <= offset) return {};
    return std::string(Trim(entry.substr(offset, width)));
}

// A zero-padded number as plain decimal ("-00047" gives "-47").
std::string PlainNumber(const std::string& text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? std::to_string(value) : text;
}

int PrintHiScores(Context& c) {
    const auto code = GameCodeArgument(c);
    if (!code) return 1;
    const std::string system = c.args.size() > 1 ? c.args[1] : "01";
    int reference = 0;
    try {
        reference = ReadRuleValues(c.program->cataloguePath(), *code, {Rule::CardCount}).front();
    } catch (const CatalogueError& error) {
        c.err << "dravicor-cli: " << error.what() << '\n';
        return 1;
    }
    const HiScoreTable table = ReadHiScoreTable(c.program->dataFiles(), *code, system, reference,
                                                DealEndAt(c.program->platform().clock.now(), 0));
    for (int place = 0; place < kHiScorePlaces; ++place) {
        const std::string& e = table[static_cast<size_t>(place)];
        c.out << FormatField(place + 1, 2);
        if (!EntryField(e, 0, 6).empty()) {
            c.out << '\t' << PlainNumber(EntryField(e, 0, 6)) << '\t' << PlainNumber(EntryField(e, 7, 6)) << '\t'
                  << EntryField(e, 14, 8) << '\t'
                  << EntryField(e, 23, 8) << '\t' << EntryField(e, 32, 30) << '\t' << EntryField(e, 63, 15) << '\t'
                  << EntryField(e, 79, 4);
        }
        c.out << '\n';
    }
    return 0;
}

int PrintOverall(Context& c) {
    int place = 0;
    for (const OverallRank& rank : ReadOverallScores(c.program->dataFiles(), c.program->platform().messages, static_cast<int>(c.program->gameList().lines.size()))) {
        c.out << ++place << '\t' << rank.player << '\t' << rank.score << '\t' << rank.seconds << '\n';
    }
    return 0;
}

int Players(Context& c) {
    Program& program = *c.program;
    PlayerContext context{ConfigFile(program.settings()), program.settings(), program.dataFiles(), program.platform()};
    PlayerList list = PlayerList::Load(context.config);
    const std::vector<std::string>& a = c.args;
    PlayerResult result;
    if (a.empty()) {
        const std::string current = CurrentPlayer(program.settings());
        for (const std::string& name : list.names()) c.out << (name == current ? "* " : "  ") << name << '\n';
        return 0;
    }
    if (a[0] == "add" && a.size() == 2) {
        result = AddPlayer(list, a[1]);
    } else if (a[0] == "rename" && a.size() == 3) {
        result = RenamePlayer(context, list, a[1], a[2]);
    } else if (a[0] == "delete" && a.size() == 2) {
        result = DeletePlayer(context, list, a[1]);
    } else if (a[0] == "choose" && a.size() == 2) {
        result = ChoosePlayer(context, program.engine(), list, a[1]);
    } else {
        c.err << kUsage;
        return 2;
    }
    SavePlayers(context, list);
    if (!result.message().empty()) c.err << "dravicor-cli: " << result.message() << '\n';
    return result.done() || result.outcome == PlayerOutcome::Unchanged ? 0 : 1;
}

int Custom(Context& c) {
    Program& program = *c.program;
    CustomGameFile& file = program.customGameFile();
    const std::vector<std::string>& a = c.args;
    if (a.empty() || (a[0] == "list" && a.size() == 1)) {
        const CustomGameFileContents contents = file.load();
        for (const std::string& problem : contents.problems) c.err << "dravicor-cli: " << problem << '\n';
        for (const CustomGame& game : file.list()) {
            c.out << game.code << ' ' << game.baseCode << ' ' << game.settings << ' ' << game.name << '\n';
        }
        return 0;
    }
    if (a[0] == "add" && a.size() == 5) {
        const auto cards = ParseNumber(a[2]);
        const auto deals = ParseNumber(a[3]);
        const auto tableau = ParseNumber(a[4]);
        if (!cards || !deals || !tableau) {
            c.err << "dravicor-cli: CARDS, DEALS and TABLEAU are whole numbers\n";
            return 1;
        }
        const int current = static_cast<int>(program.settings().getNumber(Field::CurrentGame));
        const CustomSaveOutcome outcome =
            file.add(a[1], current, CustomRuleValues{*cards, *deals, *tableau}, program.gameList());
        if (outcome.status != CustomSaveOutcome::Status::Saved) {
            if (!outcome.message.empty()) c.err << "dravicor-cli: " << outcome.message << '\n';
            return 1;
        }
        c.out << outcome.code << '\n';
        return 0;
    }
    if (a[0] == "delete" && a.size() == 2) {
        const auto code = ParseNumber(a[1]);
        if (!code || !file.remove(*code, program.settings())) {
            c.err << "dravicor-cli: no customized game has the code " << a[1] << '\n';
            return 1;
        }
        return 0;
    }
    c.err << kUsage;
    return 2;
}

int Numbers(Context& c) {
    for (const std::string& number : ReadRecentGameNumbers(ConfigFile(c.program->settings()))) c.out << number << '\n';
    return 0;
}

int Favourites(Context& c) {
    ProfileFile config = ConfigFile(c.program->settings());
    if (c.args.empty()) {
        for (const std::string& name : ReadFavourites(config)) c.out << name << '\n';
        return 0;
    }
    if (c.args[0] != "set") {
        c.err << kUsage;
        return 2;
    }
    std::vector<std::string> names(c.args.begin() + 1, c.args.end());
    for (const std::string& name : names) {
        if (GameCodeOf(c.program->gameList(), name, c.program->customGames()) < 0) {
            c.err << "dravicor-cli: no game is called " << name << '\n';
            return 1;
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& x, const std::string& y) { return GameNameLess(x, y); });
    return SaveFavourites(config, names, c.program->platform().messages) ? 0 : 1;
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
    {"solve", 2, 11, true, false, Solve},          {"survey", 3, 14, true, false, Survey},
    {"stats", 2, 2, true, false, PrintStats},       {"log", 0, 0, true, false, PrintLog},
    {"hiscores", 1, 2, true, false, PrintHiScores}, {"overall", 0, 0, true, false, PrintOverall},
    {"players", 0, 3, true, false, Players},        {"custom", 0, 5, true, false, Custom},
    {"numbers", 0, 0, true, false, Numbers},        {"favourites", 0, 64, true, false, Favourites},
};

}  // namespace

std::string_view CliUsage() { return kUsage; }

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--help") {
        out << kUsage;
        return 0;
    }
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
        Program program(DecideProgramFolders(MachineFolderFacts(options->programDir)), platform);
        if (!program.initialise()) return 1;
        Context context{commandArgs, in, out, err, &program};
        return command->run(context);
    } catch (const StartupError& error) {
        err << "dravicor-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace dravicor
