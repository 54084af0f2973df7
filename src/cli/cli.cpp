#include "cli/cli.h"

#include <filesystem>
#include <optional>

#include "cards/card_table.h"
#include "cli/text_platform.h"
#include "common/settings_record.h"
#include "shell/program.h"

namespace dravicor {

namespace {

constexpr const char* kUsage =
    "usage: dravicor-cli [--program-dir DIR] COMMAND\n"
    "commands:\n"
    "  settings   print every settings-record field after start-up, NAME=VALUE\n"
    "  cards      print the 104 card records in card-number order\n";

struct Options {
    std::optional<std::filesystem::path> programDir;
    std::vector<std::string> command;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--program-dir") {
            if (i + 1 >= args.size()) return std::nullopt;
            options.programDir = args[++i];
        } else {
            options.command.push_back(args[i]);
        }
    }
    if (options.command.empty()) return std::nullopt;
    return options;
}

void PrintSettings(const SettingsRecord& settings, std::ostream& out) {
    for (const FieldEntry& entry : AllSettingsFields()) {
        if (entry.name.empty()) {
            out << "POS" << entry.field.position;
        } else {
            out << entry.name;
        }
        out << '=' << settings.get(entry.field) << '\n';
    }
}

void PrintCards(const CardTable& table, std::ostream& out) {
    for (int card = 1; card <= kCardCount; ++card) out << table.CardRecord(card) << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(args);
    if (!options || options->command.size() != 1 ||
        (options->command[0] != "settings" && options->command[0] != "cards")) {
        if (options && !options->command.empty())
            err << "dravicor-cli: unknown command: " << options->command[0] << '\n';
        err << kUsage;
        return 2;
    }

    // Messages raised during start-up go to standard error, so that the
    // command's own output stays exact.
    TextPlatform text(err, true);
    Platform platform = text.platform();
    try {
        Program program(options->programDir.value_or(ExecutableDir()), platform);
        program.initialise();
        const std::string& command = options->command[0];
        if (command == "settings") PrintSettings(program.settings(), out);
        if (command == "cards") PrintCards(program.position().cardTable, out);
    } catch (const StartupError& error) {
        err << "dravicor-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace dravicor
