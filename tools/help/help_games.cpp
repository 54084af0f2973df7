#include "help_games.h"

#include "common/file_io.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "rules/help_topics.h"

namespace dravicor::help {

std::vector<HelpGame> ReadHelpGames(const std::filesystem::path& cataloguePath,
                                    const std::vector<catalogue::GameSource>& sources,
                                    std::vector<std::string>& problems) {
    GameList list;
    if (!LoadGameList(cataloguePath, list)) {
        problems.push_back("cannot read " + cataloguePath.string());
        return {};
    }
    const NoCustomGames none;
    std::vector<HelpGame> games;
    for (const auto& source : sources) {
        const std::string where = source.file + ": ";
        // Unlisted games are not in the game list; listed ones must be there
        // under the same name and family.
        if (source.listed && (GameNameOf(list, source.code, none) != source.name ||
                              GameFamilyOf(list, source.code) != source.family)) {
            problems.push_back(where + "the game list of " + cataloguePath.string() + " does not hold \"" +
                               source.name + "\" with code " + std::to_string(source.code) + " and family " +
                               std::to_string(source.family));
            continue;
        }
        HelpGame game{source.code, source.name, source.family, source.listed, source.rules, {}};
        try {
            game.rules = LoadGameRules(cataloguePath, source.code, none);
        } catch (const CatalogueError& error) {
            problems.push_back(where + error.what());
            continue;
        }
        games.push_back(std::move(game));
    }
    return games;
}

bool WriteHelpFolder(const std::filesystem::path& folder, const std::map<std::string, std::string>& pages,
                     std::string& problem) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        problem = "cannot create " + folder.string() + ": " + ec.message();
        return false;
    }
    for (const auto& [name, content] : pages) {
        if (!WriteFileAtomically(folder / name, content)) {
            problem = "cannot write " + (folder / name).string();
            return false;
        }
    }
    // A game taken out of the catalogue takes its page with it.
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (GameCodeOfPage(name) && !pages.contains(name)) std::filesystem::remove(entry.path(), ec);
    }
    return true;
}

}  // namespace dravicor::help
