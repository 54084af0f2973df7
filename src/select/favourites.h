#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

class CustomGames;
class Messages;
class ProfileFile;
struct GameList;

// The player's favourite games: section [Favourite Games] of the
// configuration file, keys Game000, Game001, ... without gaps, each value a
// game name (built-in or customized). The list ends at the first missing key.

inline constexpr std::string_view kFavouritesSection = "Favourite Games";

// The key of the favourite at a 0-based index: "Game000" for the first.
std::string FavouriteKey(int index);

// The stored names in key order, as they are (unknown names and empty
// values included).
std::vector<std::string> ReadFavourites(const ProfileFile& config);

// A favourite that names a game.
struct FavouriteGame {
    std::string name;
    int code = -1;
};

// The stored favourites that still name a game, in key order, each once.
std::vector<FavouriteGame> ResolveFavourites(const ProfileFile& config, const GameList& list,
                                             const CustomGames& custom);

// True when the game's name is among the stored favourites (letter case counts).
bool IsFavourite(const ProfileFile& config, std::string_view name);

// The order of the dialog's sorted lists: letters compared without regard to
// case, names equal that way ordered by their bytes.
bool GameNameLess(std::string_view a, std::string_view b);

// The two lists of the favourites dialog. Both stay sorted and hold each
// name once; a name is in one of them only.
class FavouritesChoice {
public:
    // allGames: every game of the catalogue's list and every customized game.
    // The favourites are the stored ones that resolve to a game code; they
    // are taken out of the games list.
    FavouritesChoice(std::vector<std::string> allGames, const ProfileFile& config, const GameList& list,
                     const CustomGames& custom);

    const std::vector<std::string>& games() const { return games_; }
    const std::vector<std::string>& favourites() const { return favourites_; }

    // ">": the named entries of the games list become favourites; names not
    // in the games list are passed over. "<": the reverse. "<<": all of them.
    void add(const std::vector<std::string>& selected);
    void remove(const std::vector<std::string>& selected);
    void removeAll();

private:
    std::vector<std::string> games_;
    std::vector<std::string> favourites_;
};

// The OK of the favourites dialog: erases the section, then writes the names
// in the order given as Game000, Game001, ... (an empty list leaves no
// section). A file that cannot be written is reported with a message box;
// the result is false then.
bool SaveFavourites(ProfileFile& config, const std::vector<std::string>& favourites, Messages& messages);

}  // namespace dravicor
