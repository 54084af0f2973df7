#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game_rules.h"

namespace dravicor::help {

// One game as the help shows it.
struct HelpGame {
    int code = -1;
    std::string name;
    int family = 0;
    bool listed = true;
    std::string rulesText;  // paragraphs separated by blank lines
    GameRules rules;        // as the engine loads them from the catalogue
};

// Text made safe for HTML: & < > and " as entities.
std::string EscapeHtml(std::string_view text);

// The rules page of a game: its name, its family, the key numbers, the rules
// text and links to the other listed games of its family.
std::string RulesPageHtml(const HelpGame& game, const std::vector<HelpGame>& games);
// Every listed game once, under its family, families in the game tree's
// order and games by name.
std::string ContentsPageHtml(const std::vector<HelpGame>& games);

// Every page of the help folder: file name -> content. Each game has its
// rules page, listed or not, so a game that can be played has its rules.
std::map<std::string, std::string> HelpPages(const std::vector<HelpGame>& games);

}  // namespace dravicor::help
