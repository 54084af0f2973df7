#include "game_source.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <sstream>

#include "common/file_io.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "rules/game_rules.h"
#include "rules/rule_parameters.h"

namespace dravicor::catalogue {

std::string SourceError::text() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

namespace {

constexpr int kMaxNameLength = 50;

std::optional<int> ParseInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Text before a " #" comment, trimmed.
std::string_view WithoutComment(std::string_view line) {
    const auto hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    return Trim(line);
}

// A parameter assignment waiting for the pile counts: "[*]" covers as many
// piles as the game has, so blocks are resolved after the whole file is read.
struct Assignment {
    const ParameterInfo* parameter;
    int first;  // -1 for [*]
    int last;
    int value;
    int line;
    std::string written;  // as written, for messages
};

int PileCount(PileBlock block, const GameSource& game) {
    const auto countOf = [&](int index) {
        const auto it = game.values.find(index);
        return it == game.values.end() ? 0 : it->second.value;
    };
    switch (block) {
        case PileBlock::Foundation: return countOf(Rule::FoundationCount);
        case PileBlock::Tableau: return countOf(Rule::TableauCount);
        case PileBlock::Reserve: return countOf(Rule::ReserveCount);
        case PileBlock::None: return 1;
    }
    return 0;
}

std::string_view BlockNoun(PileBlock block) {
    switch (block) {
        case PileBlock::Foundation: return "foundations";
        case PileBlock::Tableau: return "tableau piles";
        case PileBlock::Reserve: return "reserves";
        case PileBlock::None: break;
    }
    return "piles";
}

class Parser {
public:
    Parser(const std::string& fileName, std::vector<SourceError>& errors) : errors_(errors) { game_.file = fileName; }

    GameSource parse(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        int lineNumber = 0;
        bool inRules = false;
        std::vector<std::string> rulesLines;
        while (std::getline(in, raw)) {
            ++lineNumber;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            if (inRules) {
                rulesLines.push_back(std::string(Trim(raw)));
                continue;
            }
            const std::string_view line = WithoutComment(raw);
            if (line.empty()) continue;
            const auto space = line.find_first_of(" \t");
            const std::string_view key = line.substr(0, space);
            const std::string_view value = space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space));
            if (key == "rules") {
                if (!value.empty()) error(lineNumber, "the rules text starts on the line after \"rules\"");
                inRules = true;
                rulesLine_ = lineNumber;
            } else {
                header(key, value, lineNumber) || parameter(key, value, lineNumber);
            }
        }
        game_.rules = JoinParagraphs(rulesLines);
        resolveAssignments();
        checkRequired();
        return std::move(game_);
    }

private:
    void error(int line, std::string message) { errors_.push_back({game_.file, line, std::move(message)}); }

    static std::string JoinParagraphs(const std::vector<std::string>& lines) {
        std::string text;
        bool paragraphBreak = false;
        for (const auto& line : lines) {
            if (line.empty()) {
                paragraphBreak = !text.empty();
                continue;
            }
            if (!text.empty()) text += paragraphBreak ? "\n\n" : " ";
            text += line;
            paragraphBreak = false;
        }
        return text;
    }

    bool header(std::string_view key, std::string_view value, int line) {
        if (key == "code") {
            const auto code = ParseInt(value);
            if (!code || *code < 0 || *code > 999) return error(line, "the code must be a number from 0 to 999"), true;
            setOnce(seenCode_, line, "code");
            game_.code = *code;
        } else if (key == "name") {
            setOnce(seenName_, line, "name");
            if (value.empty()) return error(line, "the name is empty"), true;
            if (value.size() > kMaxNameLength) error(line, "the name is longer than 50 characters");
            // The game list is read by byte columns, so names stay within printable ASCII.
            if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= 32 && c <= 126; }))
                error(line, "the name has characters other than plain ASCII");
            game_.name = std::string(value);
        } else if (key == "family") {
            const auto family = ParseInt(value);
            if (!family || *family < 2 || *family > 13) return error(line, "the family must be a number from 2 to 13"), true;
            setOnce(seenFamily_, line, "family");
            game_.family = *family;
        } else if (key == "listed" || key == "selected") {
            if (value != "yes" && value != "no") return error(line, std::string(key) + " must be yes or no"), true;
            (key == "listed" ? game_.listed : game_.selected) = value == "yes";
        } else {
            return false;
        }
        return true;
    }

    void setOnce(bool& seen, int line, std::string_view what) {
        if (seen) error(line, std::string(what) + " is given twice");
        seen = true;
    }

    bool parameter(std::string_view key, std::string_view valueText, int line) {
        std::string_view name = key;
        int first = 0;
        int last = 0;
        const auto bracket = key.find('[');
        if (bracket != std::string_view::npos) {
            name = key.substr(0, bracket);
            if (key.back() != ']') return error(line, "unclosed index in " + std::string(key)), true;
            const std::string_view index = key.substr(bracket + 1, key.size() - bracket - 2);
            if (index == "*") {
                first = -1;
                last = -1;
            } else if (const auto dots = index.find(".."); dots != std::string_view::npos) {
                const auto a = ParseInt(index.substr(0, dots));
                const auto b = ParseInt(index.substr(dots + 2));
                if (!a || !b || *a > *b) return error(line, "bad index range in " + std::string(key)), true;
                first = *a;
                last = *b;
            } else if (const auto i = ParseInt(index)) {
                first = last = *i;
            } else {
                return error(line, "bad index in " + std::string(key)), true;
            }
        }
        const ParameterInfo* info = FindParameter(name);
        if (!info) return error(line, "unknown parameter \"" + std::string(name) + "\""), true;
        if (info->block == PileBlock::None && bracket != std::string_view::npos)
            return error(line, std::string(name) + " is a single value and takes no index"), true;
        if (info->block != PileBlock::None && bracket == std::string_view::npos)
            return error(line, std::string(name) + " needs a pile index, such as " + std::string(name) + "[0] or [*]"), true;
        if (first >= 0 && last >= info->blockSize)
            return error(line, "index " + std::to_string(last) + " is beyond the " + std::to_string(info->blockSize) + " " +
                                   std::string(BlockNoun(info->block)) + " of " + std::string(name)),
                   true;
        const auto value = ParseInt(valueText);
        if (!value) return error(line, "the value of " + std::string(key) + " must be a whole number"), true;
        if (*value < info->min || *value > info->max) {
            return error(line, "the value " + std::to_string(*value) + " of " + std::string(key) + " is outside " +
                                   std::to_string(info->min) + " to " + std::to_string(info->max)),
                   true;
        }
        assignments_.push_back({info, first, last, *value, line, std::string(key)});
        // Pile counts are needed to resolve [*]; set single values at once.
        if (info->block == PileBlock::None) store(info->index, *value, line, std::string(key));
        return true;
    }

    void store(int index, int value, int line, std::string written) {
        const auto [it, inserted] = game_.values.try_emplace(index, SetValue{value, line, written});
        if (!inserted && it->second.value != value) {
            error(line, written + " = " + std::to_string(value) + " contradicts " + it->second.name + " = " +
                            std::to_string(it->second.value) + " on line " + std::to_string(it->second.line) +
                            " (both set parameter " + std::to_string(index) + ")");
        }
    }

    void resolveAssignments() {
        for (const Assignment& a : assignments_) {
            if (a.parameter->block == PileBlock::None) continue;
            const int piles = PileCount(a.parameter->block, game_);
            const int first = a.first < 0 ? 0 : a.first;
            const int last = a.first < 0 ? piles - 1 : a.last;
            if (last >= piles) {
                error(a.line, a.written + " names a pile beyond the game's " + std::to_string(piles) + " " +
                                  std::string(BlockNoun(a.parameter->block)));
                continue;
            }
            for (int i = first; i <= last; ++i) {
                store(a.parameter->index + i, a.value, a.line,
                      std::string(a.parameter->name) + "[" + std::to_string(i) + "]");
            }
        }
    }

    void checkRequired() {
        if (!seenCode_) error(0, "no code");
        if (!seenName_) error(0, "no name");
        if (!seenFamily_) error(0, "no family");
        if (game_.rules.empty()) error(rulesLine_, "no rules text");
        for (const int index : {Rule::CardCount, Rule::FoundationCount, Rule::TableauCount, Rule::GameTime,
                                Rule::Difficulty, Rule::SkillOrChance, Rule::ChanceOfWinning}) {
            if (!game_.values.contains(index)) error(0, "no value for " + std::string(ParameterName(index)));
        }
        if (const auto it = game_.values.find(Rule::CardCount);
            it != game_.values.end() && it->second.value > 52 && it->second.value != 104) {
            error(it->second.line, "CardCount must be 52 or fewer (one deck) or 104 (two decks)");
        }
    }

    std::vector<SourceError>& errors_;
    GameSource game_;
    std::vector<Assignment> assignments_;
    bool seenCode_ = false;
    bool seenName_ = false;
    bool seenFamily_ = false;
    int rulesLine_ = 0;
};

}  // namespace

GameSource ParseGameSource(const std::string& text, const std::string& fileName, std::vector<SourceError>& errors) {
    return Parser(fileName, errors).parse(text);
}

GameSource ReadGameSource(const std::filesystem::path& path, std::vector<SourceError>& errors) {
    const auto text = ReadWholeFile(path);
    if (!text) {
        errors.push_back({path.string(), 0, "cannot be read"});
        return {};
    }
    return ParseGameSource(*text, path.string(), errors);
}

void CheckCatalogue(const std::vector<GameSource>& games, std::vector<SourceError>& errors) {
    std::map<int, const GameSource*> byCode;
    std::map<std::string, const GameSource*> byName;
    for (const auto& game : games) {
        if (game.code >= 0) {
            const auto [it, inserted] = byCode.try_emplace(game.code, &game);
            if (!inserted) errors.push_back({game.file, 0, "code " + std::to_string(game.code) + " is also used by " + it->second->file});
        }
        if (!game.name.empty()) {
            const auto [it, inserted] = byName.try_emplace(game.name, &game);
            if (!inserted) errors.push_back({game.file, 0, "the name \"" + game.name + "\" is also used by " + it->second->file});
        }
    }
    // The game list is read by position: the line of code k sits at position k.
    int expected = 0;
    for (const auto& [code, game] : byCode) {
        if (code != expected) {
            errors.push_back({game->file, 0,
                              "codes must run from 0 without gaps: no game has code " + std::to_string(expected)});
            break;
        }
        ++expected;
    }
}

}  // namespace dravicor::catalogue
