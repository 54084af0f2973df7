#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace dravicor::catalogue {

// One problem in a source, located by file and line.
struct SourceError {
    std::string file;
    int line = 0;  // 0 when it concerns the whole file
    std::string message;

    std::string text() const;  // "file:line: message"
};

// A value a source gives one parameter index, with where it was given.
struct SetValue {
    int value = 0;
    int line = 0;
    std::string name;  // the name it was given by, with its index ("TableauDealCount[3]")
};

// One game as its source describes it.
struct GameSource {
    std::string file;
    int code = -1;
    std::string name;
    int family = -1;
    bool listed = true;
    bool selected = false;
    std::string rules;               // the rules text, paragraphs separated by blank lines
    std::map<int, SetValue> values;  // parameter index -> value; unnamed indices are 0
};

// Reads one game source. Problems are appended to errors; the returned game
// holds whatever could be read.
GameSource ParseGameSource(const std::string& text, const std::string& fileName, std::vector<SourceError>& errors);
GameSource ReadGameSource(const std::filesystem::path& path, std::vector<SourceError>& errors);

// Checks that a set of games can form one catalogue: unique codes and names,
// codes running from 0 without gaps.
void CheckCatalogue(const std::vector<GameSource>& games, std::vector<SourceError>& errors);

}  // namespace dravicor::catalogue
