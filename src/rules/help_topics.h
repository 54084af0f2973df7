#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dravicor {

// The rules help: one HTML page per game in the HELP folder of the program
// directory, named by its topic number, and a contents page. A game's topic
// is its code + 3000, so a help link written for a game code never changes.
inline constexpr std::string_view kHelpFolderName = "HELP";
inline constexpr std::string_view kHelpContentsPage = "contents.html";
inline constexpr int kRulesTopicBase = 3000;

// The topic of a built-in game's rules; nothing for a code outside 0-999.
std::optional<int> RulesTopicOf(int gameCode);
// "topic3000.html".
std::string TopicPageName(int topic);
// The page of a built-in game's rules; nothing for a code outside 0-999.
std::optional<std::string> RulesPageName(int gameCode);
// The game whose rules page has this file name; nothing for any other name.
std::optional<int> GameCodeOfPage(std::string_view pageName);

}  // namespace dravicor
