// Writes the manual pages of dravicor and dravicor-cli, made from the
// programs' own usage texts.
//
//   dravicor-manpages --version VERSION --output FOLDER
#include <fstream>
#include <iostream>
#include <string>

#include "cli/cli.h"
#include "man_page.h"
#include "ui/command_line.h"

namespace {

using dravicor::ManPageText;

// Where the programs look, as the manual tells the player.
const std::vector<std::pair<std::string, std::string>> kFiles = {
    {"PREFIX/share/dravicor/ (/usr/share/dravicor/ in the Debian package)",
     "the game catalogue GAMES.DAT, the pictures and cursors of KVR.RGF, the card pictures of Images/, the sounds "
     "of SOUNDS/, the demos of Demos/ and the rules of HELP/, read only"},
    {"$XDG_DATA_HOME/dravicor/DATA/ (by default ~/.local/share/dravicor/DATA/)",
     "the preferences and players (CFG.DAT), the statistics, the game log, the hi-scores, the overall scores and "
     "the customized games; created at the first start. A program folder that can be written and holds a DATA "
     "folder of its own (a copy of the build's program folder) keeps them there instead."},
};

const std::string kSharedDescription =
    "Several copies of the program may run at once: they take turns at the records, so that none of an update "
    "is lost. When the DATA folder cannot be created or written, the program says so once and can still be "
    "played, but no preference or record is saved.";

bool Write(const std::string& path, const std::string& page) {
    std::ofstream out(path, std::ios::binary);
    out << page;
    out.close();
    if (!out) std::cerr << "dravicor-manpages: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    std::string version, output;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--version") version = argv[i + 1];
        if (option == "--output") output = argv[i + 1];
    }
    if (version.empty() || output.empty()) {
        std::cerr << "usage: dravicor-manpages --version VERSION --output FOLDER\n";
        return 2;
    }
    const std::string source = "Dravicor " + version;

    ManPageText desktop;
    desktop.name = "dravicor";
    desktop.source = source;
    desktop.summary = "patience (solitaire) card games";
    desktop.description =
        "Dravicor is a suite of patience games for one player: a catalogue of one- and two-deck games, each dealt "
        "from a game number that gives the same deal on every machine. Cards are dragged or clicked between the "
        "piles; moves can be undone and redone, safe moves to the foundations made automatically, positions saved "
        "and loaded, and the recorded demonstrations replayed. Statistics, a game log, hi-scores and an overall "
        "score are kept for every player.\n\n" +
        kSharedDescription;
    desktop.usage = dravicor::kDesktopUsage;
    desktop.files = kFiles;

    ManPageText cli;
    cli.name = "dravicor-cli";
    cli.source = source;
    cli.summary = "text front end of the Dravicor patience games";
    cli.description =
        "dravicor-cli works on the same games and records as dravicor, without a window: it prints the game "
        "catalogue, deals and the records, changes the players, customized games and favourites, and plays a game "
        "with commands read from standard input, one a line, each answer ending with a line holding only a full "
        "stop. Its exit status is 0 on success, 1 on failure and 2 on wrong usage.\n\n" +
        kSharedDescription;
    cli.usage = std::string(dravicor::CliUsage());
    cli.files = kFiles;

    const bool written = Write(output + "/dravicor.6", dravicor::ManPage(desktop)) &&
                         Write(output + "/dravicor-cli.6", dravicor::ManPage(cli));
    return written ? 0 : 1;
}
