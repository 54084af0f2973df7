#include "select/favourites.h"

#include <algorithm>
#include <unordered_set>

#include "common/platform.h"
#include "common/profile_file.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return GameNameLess(a, b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

// Moves the selected names found in `from` to `to`; both stay sorted.
void MoveNames(std::vector<std::string>& from, std::vector<std::string>& to,
               const std::vector<std::string>& selected) {
    bool moved = false;
    for (const auto& name : selected) {
        const auto at = std::find(from.begin(), from.end(), name);
        if (at == from.end()) continue;
        to.push_back(*at);
        from.erase(at);
        moved = true;
    }
    if (moved) SortNames(to);
}

}  // namespace

std::string FavouriteKey(int index) {
    std::string digits = std::to_string(index);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    return "Game" + digits;
}

std::vector<std::string> ReadFavourites(const ProfileFile& config) {
    // Whether a key exists is read from the key list, since an empty value
    // and a missing key read alike.
    std::unordered_set<std::string> keys;
    for (const auto& key : config.ReadKeys(kFavouritesSection)) keys.insert(ToLower(key));

    std::vector<std::string> names;
    for (int index = 0; keys.contains(ToLower(FavouriteKey(index))); ++index) {
        names.push_back(config.ReadString(kFavouritesSection, FavouriteKey(index), ""));
    }
    return names;
}

std::vector<FavouriteGame> ResolveFavourites(const ProfileFile& config, const GameList& list,
                                             const CustomGames& custom) {
    std::vector<FavouriteGame> games;
    for (auto& name : ReadFavourites(config)) {
        if (name.empty()) continue;
        const int code = GameCodeOf(list, name, custom);
        if (code < 0) continue;
        const bool seen = std::any_of(games.begin(), games.end(), [&](const FavouriteGame& g) { return g.name == name; });
        if (!seen) games.push_back({std::move(name), code});
    }
    return games;
}

bool IsFavourite(const ProfileFile& config, std::string_view name) {
    const auto names = ReadFavourites(config);
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool GameNameLess(std::string_view a, std::string_view b) {
    const std::string la = ToLower(a), lb = ToLower(b);
    if (la != lb) return la < lb;
    return a < b;
}

FavouritesChoice::FavouritesChoice(std::vector<std::string> allGames, const ProfileFile& config,
                                   const GameList& list, const CustomGames& custom)
    : games_(std::move(allGames)) {
    for (auto& game : ResolveFavourites(config, list, custom)) favourites_.push_back(std::move(game.name));
    SortNames(favourites_);
    std::erase_if(games_, [&](const std::string& name) {
        return std::find(favourites_.begin(), favourites_.end(), name) != favourites_.end();
    });
    SortNames(games_);
}

void FavouritesChoice::add(const std::vector<std::string>& selected) { MoveNames(games_, favourites_, selected); }

void FavouritesChoice::remove(const std::vector<std::string>& selected) { MoveNames(favourites_, games_, selected); }

void FavouritesChoice::removeAll() {
    games_.insert(games_.end(), favourites_.begin(), favourites_.end());
    favourites_.clear();
    SortNames(games_);
}

bool SaveFavourites(ProfileFile& config, const std::vector<std::string>& favourites, Messages& messages) {
    try {
        config.EraseSection(kFavouritesSection);
        for (std::size_t i = 0; i < favourites.size(); ++i) {
            config.WriteString(kFavouritesSection, FavouriteKey(static_cast<int>(i)), favourites[i]);
        }
    } catch (const ProfileWriteError& error) {
        messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace dravicor
