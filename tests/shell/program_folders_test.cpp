#include "shell/program_folders.h"

#include <gtest/gtest.h>

#include <set>

namespace dravicor {
namespace {

using std::filesystem::path;

// A machine described by what its folders hold.
struct Machine {
    std::set<path> catalogues;  // folders holding GAMES.DAT
    std::set<path> dataFolders;  // folders holding DATA/
    std::set<path> writable;
};

FolderFacts FactsOf(const Machine& machine, path executableDir, std::optional<path> option, std::string xdg,
                    std::string home) {
    FolderFacts facts;
    facts.executableDir = std::move(executableDir);
    facts.programDirOption = std::move(option);
    facts.installedDataDir = "../share/dravicor";
    facts.xdgDataHome = std::move(xdg);
    facts.home = std::move(home);
    facts.holdsCatalogue = [&machine](const path& p) { return machine.catalogues.count(p) > 0; };
    facts.holdsDataFolder = [&machine](const path& p) { return machine.dataFolders.count(p) > 0; };
    facts.writable = [&machine](const path& p) { return machine.writable.count(p) > 0; };
    return facts;
}

TEST(ProgramFolders, TheLayoutDecidesWhereDataAndRecordsAre) {
    const path build = "/src/build/dravicor";
    const path bin = "/usr/bin", share = "/usr/share/dravicor";
    const path userBin = "/home/ann/.local/bin", userShare = "/home/ann/.local/share/dravicor";
    const Machine machine{
        {build, share, userShare, "/mnt/cd", "/tmp/copy"},
        {build, "/mnt/cd"},
        {build, "/home/ann/.local/bin", userShare, "/tmp/copy", "/tmp/new"},
    };
    struct Case {
        const char* what;
        path executableDir;
        std::optional<path> option;
        std::string xdg;
        std::string home;
        path programDir;
        std::optional<path> userDir;
    };
    const Case cases[] = {
        {"the build folder keeps its own DATA", build, {}, "", "/home/ann", build, build},
        {"an installation reads share/ and writes to the home", bin, {}, "", "/home/ann", share, userShare},
        {"XDG_DATA_HOME wins over the home", bin, {}, "/x/data", "/home/ann", share, "/x/data/dravicor"},
        {"a relative XDG_DATA_HOME is ignored", bin, {}, "data", "/home/ann", share, userShare},
        {"no home and no XDG_DATA_HOME: no place for records", bin, {}, "", "", share, std::nullopt},
        {"an installation in the home has no DATA beside its data", userBin, {}, "", "/home/ann", userShare,
         userShare},
        {"a given writable folder takes DATA as before", bin, "/tmp/copy", "", "/home/ann", "/tmp/copy", "/tmp/copy"},
        {"so does a given folder without a catalogue", bin, "/tmp/new", "", "/home/ann", "/tmp/new", "/tmp/new"},
        {"a given read-only folder is never written to", bin, share, "", "/home/ann", share, userShare},
        {"nor is a read-only copy that has a DATA folder", "/mnt/cd", {}, "", "/home/ann", "/mnt/cd", userShare},
        {"a folder without any catalogue stays the program folder", "/opt/x/bin", {}, "", "/home/ann", "/opt/x/bin",
         userShare},
    };
    for (const Case& c : cases) {
        const ProgramFolders folders = DecideProgramFolders(FactsOf(machine, c.executableDir, c.option, c.xdg, c.home));
        EXPECT_EQ(folders.programDir, c.programDir) << c.what;
        EXPECT_EQ(folders.userDir, c.userDir) << c.what;
    }
}

}  // namespace
}  // namespace dravicor
