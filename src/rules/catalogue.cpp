#include "rules/catalogue.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "common/file_io.h"
#include "common/platform.h"
#include "common/text.h"

namespace dravicor {

namespace {

char RestoreChar(char stored) {
    const auto b = static_cast<unsigned char>(stored);
    return static_cast<char>(b < 80 ? b + 48 : b - 48);
}

// The catalogue's columns may be padded with tabs as well as spaces.
std::string_view TrimRightBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A signed decimal integer, as the catalogue writes them; nothing for any
// other text (empty, blanks inside, out of 32-bit range).
std::optional<int> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The restored value field of game `code` on a stored matrix line, or
// nothing when the line does not reach it.
std::optional<std::string> MatrixField(std::string_view stored, int code) {
    const size_t start = kMatrixValueColumn + kMatrixColumnWidth * static_cast<size_t>(code);
    if (code < 0 || start >= stored.size()) return std::nullopt;
    return RestoreText(stored.substr(start, kMatrixValueWidth));
}

std::int16_t MatrixValue(std::string_view stored, int code, int index) {
    const auto field = MatrixField(stored, code);
    const auto value = field ? ParseInteger(*field) : std::nullopt;
    if (!value) {
        throw CatalogueError("The game catalogue is damaged: parameter " + std::to_string(index) + " of game " +
                             std::to_string(code) + (field ? " reads \"" + *field + "\", not a number" : " is missing"));
    }
    // Values are kept in 16 bits: 65535 and -1 are the same value.
    return static_cast<std::int16_t>(*value);
}

// Columns of a restored game-list line.
std::optional<int> ListedCode(std::string_view line) {
    if (line.size() < 7 || !IsDigits(line.substr(4, 3))) return std::nullopt;
    return ParseInteger(line.substr(4, 3));
}

std::string ListedName(std::string_view line) {
    return line.size() <= 10 ? std::string() : std::string(TrimRight(line.substr(10, 50)));
}

// The line of the game: the one at position `code` when it carries the code,
// else the first that does.
const std::string* LineOf(const GameList& list, int code) {
    if (code >= 0 && static_cast<size_t>(code) < list.lines.size() && ListedCode(list.lines[static_cast<size_t>(code)]) == code)
        return &list.lines[static_cast<size_t>(code)];
    for (const auto& line : list.lines) {
        if (ListedCode(line) == code) return &line;
    }
    return nullptr;
}

}  // namespace

std::string RestoreText(std::string_view stored) {
    std::string plain(stored);
    for (char& c : plain) c = RestoreChar(c);
    return plain;
}

bool IsStorableText(std::string_view plain) {
    for (const char c : plain) {
        const auto p = static_cast<unsigned char>(c);
        if (p < 32 || p > 207) return false;
    }
    return true;
}

std::string ScrambleText(std::string_view plain) {
    std::string stored(plain);
    for (char& c : stored) c = static_cast<char>(static_cast<unsigned char>(c) + 48);
    return stored;
}

std::vector<std::string> SplitCatalogueLines(std::string_view content) { return SplitLines(content); }

std::vector<std::string> CatalogueSection(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<std::string> body;
    bool inside = false;
    for (const auto& line : lines) {
        if (!line.empty() && line.front() == '[') {
            inside = line.compare(0, header.size(), header) == 0;
            continue;
        }
        if (inside) body.push_back(line);
    }
    return body;
}

std::vector<std::string> LoadCatalogueLines(const std::filesystem::path& path) {
    const auto content = ReadWholeFile(path);
    if (!content) throw CatalogueError("Cannot read the game catalogue " + path.string());
    return SplitCatalogueLines(*content);
}

bool LoadGameList(const std::filesystem::path& path, GameList& list) {
    list.lines.clear();
    const auto content = ReadWholeFile(path);
    if (!content) return false;
    for (const auto& stored : CatalogueSection(SplitCatalogueLines(*content), kGameListHeader)) {
        std::string line = RestoreText(stored);
        if (line.size() >= 8 && line[7] == '9') continue;  // not listed
        list.lines.push_back(std::move(line));
    }
    return true;
}

std::string GameNameOf(const GameList& list, int code, const CustomGames& custom) {
    if (code >= kFirstCustomCode) {
        const auto game = custom.find(code);
        return game ? game->name : std::string();
    }
    const std::string* line = LineOf(list, code);
    return line ? ListedName(*line) : std::string();
}

int GameCodeOf(const GameList& list, std::string_view name, const CustomGames& custom) {
    name = TrimRightBlanks(name);
    for (const auto& line : list.lines) {
        if (ListedName(line) != name) continue;
        // A damaged list may carry a code twice; the line the code's other
        // lookups use is the one that counts.
        const auto code = ListedCode(line);
        if (code && LineOf(list, *code) == &line) return *code;
    }
    return custom.codeOf(name).value_or(-1);
}

int GameFamilyOf(const GameList& list, int code) {
    if (code < 0 || code >= kFirstCustomCode) return -1;
    const std::string* line = LineOf(list, code);
    if (!line || line->size() < 3 || !IsDigits(line->substr(0, 3))) return -1;
    return ParseInteger(line->substr(0, 3)).value_or(-1);
}

std::vector<int> ListedGameCodes(const GameList& list) {
    std::vector<int> codes;
    for (const auto& line : list.lines) {
        if (const auto code = ListedCode(line)) codes.push_back(*code);
    }
    return codes;
}

namespace {

// The stored matrix line of parameter `index` (body line index - 1).
const std::string& MatrixLine(const std::vector<std::string>& matrix, int index) {
    if (index < 1 || static_cast<size_t>(index) > matrix.size()) {
        throw CatalogueError("The game catalogue is damaged: it has no line for parameter " + std::to_string(index));
    }
    return matrix[static_cast<size_t>(index - 1)];
}

}  // namespace

std::vector<std::int16_t> ReadRuleValues(const std::filesystem::path& path, int code,
                                         std::initializer_list<int> indices) {
    const auto matrix = CatalogueSection(LoadCatalogueLines(path), kRuleMatrixHeader);
    std::vector<std::int16_t> values;
    values.reserve(indices.size());
    for (const int index : indices) values.push_back(MatrixValue(MatrixLine(matrix, index), code, index));
    return values;
}

std::vector<std::int16_t> ReadRuleValueOfGames(const std::filesystem::path& path, int index,
                                               const std::vector<int>& codes) {
    const auto matrix = CatalogueSection(LoadCatalogueLines(path), kRuleMatrixHeader);
    const std::string& line = MatrixLine(matrix, index);
    std::vector<std::int16_t> values;
    values.reserve(codes.size());
    for (const int code : codes) values.push_back(MatrixValue(line, code, index));
    return values;
}

bool IsSelectedGame(const std::filesystem::path& path, int code) {
    const auto codes = SelectedGameCodes(path);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<int> SelectedGameCodes(const std::filesystem::path& path) {
    std::vector<int> codes;
    const auto content = ReadWholeFile(path);
    if (!content) return codes;
    for (const auto& stored : CatalogueSection(SplitCatalogueLines(*content), kSelectedGamesHeader)) {
        const auto code = ParseInteger(TrimRightBlanks(RestoreText(stored)));
        if (code && std::find(codes.begin(), codes.end(), *code) == codes.end()) codes.push_back(*code);
    }
    return codes;
}

void ApplyCustomSettings(GameRules& rules, std::string_view settings) {
    const auto number = [&](size_t from) -> std::optional<int> {
        if (settings.size() < from + 3) return std::nullopt;
        return ParseInteger(settings.substr(from, 3));
    };
    if (const auto perDeal = number(0)) {
        rules.set(Rule::CardsPerStockDeal, *perDeal);
        if (const auto redeals = number(3)) rules.set(Rule::Redeals, *redeals);
    }
    if (settings.size() < 7) return;
    int accepts = 0;
    switch (settings[6]) {
        case '1': accepts = 91; break;  // a King (the rank below an Ace base)
        case '2': accepts = -1; break;  // any card
        case '3': accepts = 0; break;   // nothing
        default: return;
    }
    for (int t = 0; t < rules[Rule::TableauCount] && t < 26; ++t) rules.set(Rule::TableauEmptyAccepts + t, accepts);
}

GameRules LoadGameRules(const std::filesystem::path& path, int code, const CustomGames& custom) {
    GameRules rules;
    int column = code;
    std::string settings;
    if (code >= kFirstCustomCode) {
        const auto game = custom.find(code);
        if (!game) throw CatalogueError("There is no customized game " + std::to_string(code));
        column = game->baseCode;
        settings = game->settings;
    }
    if (column < 0 || column >= kFirstCustomCode) throw CatalogueError("There is no game " + std::to_string(code));

    for (const auto& stored : CatalogueSection(LoadCatalogueLines(path), kRuleMatrixHeader)) {
        if (stored.empty()) continue;
        const auto index = stored.size() >= 4 ? ParseInteger(stored.substr(0, 4)) : std::nullopt;
        if (!index || *index < 0 || *index >= GameRules::kSize) {
            throw CatalogueError("The game catalogue is damaged: a rule line starts with \"" +
                                 stored.substr(0, 4) + "\", not a parameter number");
        }
        rules.set(*index, MatrixValue(stored, column, *index));
    }
    if (!settings.empty()) ApplyCustomSettings(rules, settings);
    return rules;
}

bool CheckRequiredFile(const std::filesystem::path& path, Messages& messages) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return true;
    messages.showMessage("Cannot find file:\r" + path.string() +
                             "\rCopy the file into the directory that above is specified\ror reinstall the program.",
                         "Error", MessageIcon::Error);
    return false;
}

}  // namespace dravicor
