#include "select/custom_game_file.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "common/settings_record.h"
#include "common/text.h"
#include "stats/statistics.h"

namespace dravicor {

namespace {

constexpr std::string_view kConfigFile = "CFG.DAT";
constexpr std::string_view kLineEnd = "\r\n";

// A number as the record's fields hold it: digits with an optional leading
// minus, nothing else.
std::optional<int> FieldNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string_view digits = text.front() == '-' ? text.substr(1) : text;
    if (!IsDigits(digits)) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The four-digit code field at the start of a record's first line.
std::optional<int> CodeField(std::string_view line) {
    if (line.size() < 4 || !IsDigits(line.substr(0, 4))) return std::nullopt;
    const int code = *FieldNumber(line.substr(0, 4));
    if (code < kFirstCustomCode || code > kLastCustomCode) return std::nullopt;
    return code;
}

struct RawRecord {
    CustomGame game;
    size_t firstLine = 0;
};

std::string Where(size_t record, size_t firstLine) {
    return "Customized game record " + std::to_string(record + 1) + " (line " + std::to_string(firstLine) + ")";
}

// Checks one record's lines; the reason it is damaged, or nothing.
std::optional<std::string> ReadRecord(const std::vector<std::string>& lines, size_t first, CustomGame& game) {
    // The last record may lack reserved empty lines (an editor that drops
    // blank lines at the end of a file); its two lines are all it holds.
    const size_t available = lines.size() - first;
    if (available < 2) return "is incomplete: " + std::to_string(available) + " of 30 lines";
    const std::string& head = lines[first];
    if (head.size() < 4 + kCustomNameWidth + 4)
        return "has a first line of " + std::to_string(head.size()) + " characters, not 58";
    const auto code = CodeField(head);
    if (!code) return "has no game code from 8000 to 9999";
    // Blanks before a name are an editor's (the writer never puts any): the
    // name read is the name a record written back keeps.
    const std::string_view name = Trim(std::string_view(head).substr(4, kCustomNameWidth));
    if (name.empty()) return "has no name";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32) return "has a control character in its name";
    }
    const std::string_view baseText = std::string_view(head).substr(4 + kCustomNameWidth, 4);
    if (!IsDigits(baseText)) return "has no base game code";
    const std::string& settings = lines[first + 1];
    const std::optional<int> cards = settings.size() < 7 ? std::nullopt : FieldNumber(settings.substr(0, 3));
    const std::optional<int> deals = settings.size() < 7 ? std::nullopt : FieldNumber(settings.substr(3, 3));
    if (!cards || !deals || settings[6] < '0' || settings[6] > '3')
        return "has a damaged rule line \"" + settings + "\"";
    game.code = *code;
    game.name = std::string(name);
    game.baseCode = *FieldNumber(baseText);
    // Kept as it would be written: "-00" and "000" are one value, and a
    // record read and written back must read the same again.
    game.settings = CustomSettingsText({*cards, *deals, settings[6] - '0'});
    return std::nullopt;
}

std::vector<std::string> FileLines(std::string_view content) { return SplitLines(content); }

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += kLineEnd;
    }
    return content;
}

// The name as it goes into a record: control characters as blanks, then
// without surrounding blanks, at most 50 characters.
std::string RecordName(std::string_view name) {
    std::string blanked(name);
    for (char& c : blanked) {
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    }
    std::string text(Trim(blanked));
    if (text.size() > kCustomNameWidth) text.resize(kCustomNameWidth);
    return std::string(TrimRight(text));
}

std::string FavouriteKey(int index) { return "Game" + FormatField(index, 3); }

// Removes the first favourite equal to the name from a configuration file's
// text, later entries moving up one key. False when there is no such entry.
bool RemoveFavourite(std::string& content, std::string_view name) {
    std::vector<std::string> lines = SplitLines(content);
    std::map<int, size_t> lineOfKey;  // Game000 -> its first line in the section
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = Trim(lines[i]);
        if (!text.empty() && text.front() == '[') {
            const auto close = text.find(']');
            const auto section = close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
            inSection = EqualsNoCase(Trim(section), kFavouritesSection);
            continue;
        }
        const auto equals = text.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        const std::string_view key = Trim(text.substr(0, equals));
        if (key.size() != 7 || !EqualsNoCase(key.substr(0, 4), "Game") || !IsDigits(key.substr(4))) continue;
        lineOfKey.emplace(*FieldNumber(key.substr(4)), i);
    }
    std::vector<std::string> values;
    for (int index = 0; lineOfKey.count(index) != 0; ++index) {
        const std::string_view line = lines[lineOfKey[index]];
        values.emplace_back(Trim(line.substr(line.find('=') + 1)));
    }
    const std::string wanted(TrimRight(name));
    const auto found = std::find(values.begin(), values.end(), wanted);
    if (found == values.end()) return false;
    const int at = static_cast<int>(found - values.begin());
    const int count = static_cast<int>(values.size());
    for (int index = at; index + 1 < count; ++index) {
        lines[lineOfKey[index]] = FavouriteKey(index) + "=" + values[static_cast<size_t>(index + 1)];
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(lineOfKey[count - 1]));
    content = JoinLines(lines);
    return true;
}

}  // namespace

int DealsValue(RedealChoice choice, int redeals) {
    switch (choice) {
        case RedealChoice::Unlimited: return -1;
        case RedealChoice::NoRedeal: return 0;
        case RedealChoice::Specified: return redeals + 1;
    }
    return 1;
}

std::string CustomSettingsText(const CustomRuleValues& values) {
    const auto field = [](int value) { return FormatField(std::clamp(value, -99, 999), 3); };
    const int tableau = values.tableau >= 0 && values.tableau <= 3 ? values.tableau : 0;
    return field(values.cards) + field(values.deals) + std::to_string(tableau);
}

std::string FormatCustomRecord(int code, std::string_view name, int baseCode, const CustomRuleValues& values) {
    std::string first = FormatField(code, 4) + RecordName(name);
    first.resize(4 + kCustomNameWidth, ' ');
    first += FormatField(baseCode, 4);
    std::vector<std::string> lines(static_cast<size_t>(kCustomRecordLines));
    lines[0] = first;
    lines[1] = CustomSettingsText(values);
    return JoinLines(lines);
}

CustomGameFileContents ParseCustomGames(std::string_view content) {
    CustomGameFileContents contents;
    const std::vector<std::string> lines = FileLines(content);
    std::vector<RawRecord> records;
    std::set<int> seen;
    for (size_t first = 1, index = 0; first < lines.size(); first += kCustomRecordLines, ++index) {
        if (const auto code = CodeField(lines[first])) contents.usedCodes.push_back(*code);
        const size_t end = std::min(lines.size(), first + kCustomRecordLines);
        if (std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.begin() + static_cast<std::ptrdiff_t>(end),
                        [](const std::string& line) { return line.empty(); }))
            continue;  // blank lines hold no game
        CustomGame game;
        if (const auto damage = ReadRecord(lines, first, game)) {
            contents.problems.push_back(Where(index, first) + " " + *damage + "; it is skipped.");
            continue;
        }
        if (!seen.insert(game.code).second) {
            contents.problems.push_back(Where(index, first) + " repeats the game code " + std::to_string(game.code) +
                                        "; it is skipped.");
            continue;
        }
        // A base no record carries (its game deleted or damaged) stays
        // taken too: a new game under that code would become this one's base.
        if (game.baseCode >= kFirstCustomCode) contents.usedCodes.push_back(game.baseCode);
        records.push_back({std::move(game), first});
    }
    // A base that is itself customized (the file of an older version)
    // stands for that game's built-in base.
    std::map<int, int> baseOf;
    for (const auto& record : records) baseOf[record.game.code] = record.game.baseCode;
    for (size_t i = 0; i < records.size(); ++i) {
        CustomGame& game = records[i].game;
        int base = game.baseCode;
        for (size_t step = 0; base >= kFirstCustomCode && step <= records.size(); ++step) {
            const auto next = baseOf.find(base);
            base = next == baseOf.end() ? -1 : next->second;
        }
        if (base < 0 || base >= kFirstCustomCode) {
            contents.problems.push_back(Where(i, records[i].firstLine) + " derives from no built-in game (base " +
                                        std::to_string(game.baseCode) + "); it is skipped.");
            continue;
        }
        game.baseCode = base;
        contents.games.push_back(std::move(game));
    }
    std::sort(contents.usedCodes.begin(), contents.usedCodes.end());
    contents.usedCodes.erase(std::unique(contents.usedCodes.begin(), contents.usedCodes.end()), contents.usedCodes.end());
    return contents;
}

std::optional<int> NextFreeCustomCode(const CustomGameFileContents& contents) {
    int code = kFirstCustomCode;
    for (const int used : contents.usedCodes) {  // sorted
        if (used == code) ++code;
        if (used > code) break;
    }
    if (code > kLastCustomCode) return std::nullopt;
    return code;
}

std::optional<std::string> CheckCustomGameName(std::string_view name, const GameList& list,
                                               const std::vector<CustomGame>& customGames) {
    // The name as its record will keep it: control characters count as
    // the blanks they become.
    const std::string kept = RecordName(name);
    const std::string_view wanted = kept;
    if (wanted.size() < 3) return std::string(kNameTooShort);
    const NoCustomGames none;
    for (const auto& line : list.lines) {
        if (line.size() < 7 || !IsDigits(line.substr(4, 3))) continue;  // a damaged line names no game
        const std::string listed = GameNameOf(list, *FieldNumber(line.substr(4, 3)), none);
        if (EqualsNoCase(Trim(listed), wanted)) return std::string(kNameExists);
    }
    for (const auto& game : customGames) {
        if (EqualsNoCase(Trim(game.name), wanted)) return std::string(kNameExists);
    }
    return std::nullopt;
}

CustomizableFlags CustomizableRulesOf(const GameRules& base) {
    const bool derived = base[Rule::TableauDealMode] == 0 && base[Rule::TableauDealMode + 1] == 0 &&
                         base[Rule::WasteInPlay] != 0 &&
                         (base[Rule::WasteUnderStock] != 0 || base[Rule::ThirdPileBesideStock] != 0) &&
                         base[Rule::StockPileCount] != 0;
    const auto decide = [&](int flag) { return flag == 0 ? false : flag == 1 ? true : derived; };
    CustomizableFlags flags;
    flags.cards = decide(base[Rule::StockDealCustomizable]);
    flags.redeals = decide(base[Rule::RedealsCustomizable]);
    const int tableau = base[Rule::EmptyTableauCustomizable];
    flags.tableau = tableau == 1 ? true
                    : tableau == 0 ? false
                                   : base[Rule::SelectionPlay] == 0 && base[Rule::TableauBuild] != 4;
    return flags;
}

std::string DeleteQuestion(std::string_view name, bool isCurrentGame, bool fromOpenGameDialog) {
    const std::string game(name);
    if (isCurrentGame && fromOpenGameDialog) {
        return "Now you are playing " + game + ".\rAre you sure you want to delete this game?\r"
               "Note: also statistics of this game will be deleted.";
    }
    return "Are you sure you want to delete this customized game\r" + game +
           "?\rNote: also statistics of this game will be deleted.";
}

CustomGameFileContents CustomGameFile::load() const {
    const auto content = files_.read(kCustomGamesFile);
    return content ? ParseCustomGames(*content) : CustomGameFileContents{};
}

std::optional<CustomGame> CustomGameFile::find(int code) const {
    for (auto& game : load().games) {
        if (game.code == code) return std::move(game);
    }
    return std::nullopt;
}

std::optional<int> CustomGameFile::codeOf(std::string_view name) const {
    const std::string_view wanted = TrimRight(name);
    for (const auto& game : load().games) {
        if (game.name == wanted) return game.code;
    }
    return std::nullopt;
}

std::vector<CustomGame> CustomGameFile::list() const {
    std::vector<CustomGame> games = load().games;
    std::stable_sort(games.begin(), games.end(),
                     [](const CustomGame& a, const CustomGame& b) { return ToLower(a.name) < ToLower(b.name); });
    return games;
}

CustomizableFlags CustomGameFile::customizableRules(const std::filesystem::path& catalogue, int code) const {
    int base = code;
    if (code >= kFirstCustomCode) {
        const auto game = find(code);
        if (!game) throw CatalogueError("There is no customized game " + std::to_string(code));
        base = game->baseCode;
    }
    return CustomizableRulesOf(LoadGameRules(catalogue, base, NoCustomGames{}));
}

CustomSaveOutcome CustomGameFile::add(std::string_view name, int currentCode, const CustomRuleValues& values,
                                      const GameList& list) {
    CustomSaveOutcome outcome;
    const std::string initial = std::string(kCustomGamesHeader) + std::string(kLineEnd);
    const bool written = files_.change(
        kCustomGamesFile,
        [&](std::string& content) {
            const CustomGameFileContents contents = ParseCustomGames(content);
            if (auto refused = CheckCustomGameName(name, list, contents.games)) {
                outcome.status = CustomSaveOutcome::Status::NameRefused;
                outcome.message = std::move(*refused);
                return false;
            }
            int base = currentCode;
            if (currentCode >= kFirstCustomCode) {
                const auto current = std::find_if(contents.games.begin(), contents.games.end(),
                                                  [&](const CustomGame& g) { return g.code == currentCode; });
                if (current == contents.games.end()) {
                    outcome.status = CustomSaveOutcome::Status::UnknownGame;
                    outcome.message = "There is no customized game " + std::to_string(currentCode) + ".";
                    return false;
                }
                base = current->baseCode;
            }
            if (base < 0) {
                outcome.status = CustomSaveOutcome::Status::UnknownGame;
                outcome.message = "There is no current game.";
                return false;
            }
            const auto code = NextFreeCustomCode(contents);
            if (!code) {
                outcome.status = CustomSaveOutcome::Status::NoFreeCode;
                outcome.message = "All customized game codes from 8000 to 9999 are taken.";
                return false;
            }
            // The new record goes at the next record boundary after the last
            // line that is not empty: a file cut short inside its last record
            // is filled up with empty lines first, so the new record is read
            // where it was written.
            std::vector<std::string> lines = FileLines(content);
            while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
            if (lines.empty()) lines.emplace_back(kCustomGamesHeader);
            const size_t partial = (lines.size() - 1) % kCustomRecordLines;
            if (partial != 0) lines.resize(lines.size() + kCustomRecordLines - partial);
            content = JoinLines(lines) + FormatCustomRecord(*code, name, base, values);
            outcome.status = CustomSaveOutcome::Status::Saved;
            outcome.code = *code;
            return true;
        },
        initial);
    if (!written) {
        outcome.status = CustomSaveOutcome::Status::WriteFailed;
        outcome.code = -1;
        outcome.message.clear();
    }
    return outcome;
}

bool CustomGameFile::remove(int code, SettingsRecord& settings) {
    std::string name;
    bool found = false;
    const bool written = files_.change(kCustomGamesFile, [&](std::string& content) {
        const CustomGameFileContents contents = ParseCustomGames(content);
        const auto game = std::find_if(contents.games.begin(), contents.games.end(),
                                       [&](const CustomGame& g) { return g.code == code; });
        if (game == contents.games.end()) return false;
        name = game->name;
        std::vector<std::string> lines = FileLines(content);
        // Every record slot that reads as a whole record of the code goes:
        // the game's own (the first) and any later ones a damaged file holds,
        // which the reader passes over but which would otherwise take the
        // deleted game's place. A game an older version derived from this
        // one takes over its built-in base, so that it stays playable.
        for (size_t first = 1; first < lines.size();) {
            CustomGame read;
            const bool whole = !ReadRecord(lines, first, read);
            if (whole && read.code != code && read.baseCode == code) {
                lines[first].replace(4 + kCustomNameWidth, 4, FormatField(game->baseCode, 4));
            }
            if (!whole || read.code != code) {
                first += kCustomRecordLines;
                continue;
            }
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), first + kCustomRecordLines)));
            found = true;
        }
        if (!found) return false;
        content = JoinLines(lines);
        return true;
    });
    if (!written || !found) return false;
    files_.change(kConfigFile, [&](std::string& content) { return RemoveFavourite(content, name); });
    ClearStatistics(files_, code, "", true, false);
    ResetRunCounters(settings);
    return true;
}

}  // namespace dravicor
