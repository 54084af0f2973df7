#include "savegame/saved_game.h"

#include <algorithm>
#include <bitset>
#include <charconv>

#include "cards/card.h"
#include "cards/pile_lists.h"
#include "cards/position.h"
#include "common/file_io.h"
#include "common/text.h"
#include "engine/sounds.h"

namespace dravicor {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kSnapshotLines = kPileCount;  // 53

// The four undo sections and how many pile lines of a step each holds.
struct UndoSection {
    std::string_view header;
    int first;  // the step's first snapshot line in the section
    int count;
};
constexpr std::array<UndoSection, 4> kUndoSections{{
    {"[UNDO - Stock]", 0, kStockListSize},
    {"[UNDO - Foundations]", kStockListSize, kFoundationCount},
    {"[UNDO - Piles]", kStockListSize + kFoundationCount, kTableauCount},
    {"[UNDO - Reserves]", kStockListSize + kFoundationCount + kTableauCount, kReserveCount},
}};
constexpr std::string_view kLogHeader = "[UNDO - Log]";

std::string PadRight(std::string_view text, size_t width) {
    std::string out(text.substr(0, std::min(text.size(), width)));
    out.resize(width, ' ');
    return out;
}

// A decimal number of the whole text, optionally negative; none otherwise.
std::optional<int> ParseNumber(std::string_view text, bool allowNegative) {
    const bool negative = allowNegative && !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!IsDigits(digits)) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return negative ? -value : value;
}

// Checks a pile line: whole four-character cells, each a card number
// 000-104 and a face flag 0 or 1. Adds the real cards to `seen`; a card met
// twice is a fault.
std::string CheckPileLine(std::string_view line, std::bitset<kCardCount + 1>& seen) {
    if (line.size() % 4 != 0) return "its length " + std::to_string(line.size()) + " is not a whole number of cells";
    for (size_t at = 0; at < line.size(); at += 4) {
        const std::string_view cell = line.substr(at, 4);
        const auto number = ParseNumber(cell.substr(0, 3), false);
        if (!number || *number > kCardCount) return "cell \"" + std::string(cell) + "\" does not name a card 0-104";
        if (cell[3] != '0' && cell[3] != '1') return "cell \"" + std::string(cell) + "\" has a face flag other than 0 or 1";
        if (*number == 0) continue;
        if (seen.test(static_cast<size_t>(*number))) return "card " + std::to_string(*number) + " lies twice";
        seen.set(static_cast<size_t>(*number));
    }
    return {};
}

// Checks the 53 lines of a position; `where` names them in the message.
std::string CheckPosition(const std::vector<std::string>& lines, size_t firstLineNumber, const std::string& where) {
    std::bitset<kCardCount + 1> seen;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (std::string fault = CheckPileLine(lines[i], seen); !fault.empty()) {
            return where + ", line " + std::to_string(firstLineNumber + i + 1) + ": " + fault;
        }
    }
    return {};
}

// The MoveLog text: entries each ended by ",", an entry made of three-digit codes.
bool IsMoveLogText(std::string_view text) {
    if (text.empty()) return true;
    if (text.back() != ',') return false;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(',', start);
        const std::string_view entry = text.substr(start, end - start);
        if (entry.size() % 3 != 0 || (!entry.empty() && !IsDigits(entry))) return false;
        start = end + 1;
    }
    return true;
}

// Files of versions below "0301": the lines as a current file lays them out.
bool ConvertOldLayout(std::vector<std::string>& lines) {
    if (lines.size() < 47) return false;
    lines[1] += "00000000";
    lines.insert(lines.begin() + 23, 4, std::string());
    lines.insert(lines.begin() + 47, 5, std::string());
    return true;
}

// The undo steps of an old file hold twelve foundations and twenty-one
// tableau piles. Each step is widened as its position is: `added` empty
// entries after the step's `after`-th entry. False when the list is not a
// whole number of old steps.
bool WidenOldSteps(std::vector<std::string>& entries, size_t oldStep, size_t after, size_t added) {
    if (entries.size() % oldStep != 0) return false;
    std::vector<std::string> out;
    out.reserve(entries.size() / oldStep * (oldStep + added));
    for (size_t i = 0; i < entries.size(); ++i) {
        out.push_back(std::move(entries[i]));
        if (i % oldStep + 1 == after) out.insert(out.end(), added, std::string());
    }
    entries = std::move(out);
    return true;
}

}  // namespace

std::string SavedGameBytes(const Engine& engine, const SettingsRecord& settings) {
    const GameState& game = engine.game();
    std::string header = "[S-" + std::string(kSavedGameVersion) + "]";
    header += FormatField(game.gameCode, 4);
    header += PadRight(settings.get(Field::BackgroundPicture), 30);
    header += FormatField(settings.getNumber(Field::BackgroundColour), 15);
    header += PadRight(settings.get(Field::BackgroundDefault), 1) + "   ";
    header += PadRight(settings.get(Field::CardSize), 1);
    header += PadRight(settings.get(Field::CardSet), 9);
    header += FormatField(settings.getNumber(Field::CardBack), 4);
    header += FormatField(engine.elapsedSeconds(), 6);
    header += FormatField(settings.getNumber(Field::ScoringSystem), 2);
    header += FormatField(game.score, 6);
    header += FormatField(game.passNumber, 6);

    std::string line1 = PadRight(settings.get(Field::CurrentPlayer), 50);
    line1 += PadRight(settings.get(Field::CurrentGameNumber), 15);
    line1 += ' ';
    for (int i = 0; i < kFoundationCount; ++i) line1 += FormatField(engine.rules()[Rule::FoundationFirstCard + i], 2);

    std::string out;
    const auto put = [&out](std::string_view line) {
        out += line;
        out += kCrLf;
    };
    put(header);
    put(line1);
    for (int i = 0; i < 10; ++i) put("");
    for (const std::string& line : BuildSnapshot(engine.position())) put(line);

    std::vector<std::vector<std::string>> steps;
    steps.reserve(engine.history().undo.size());
    for (const CompactPosition& step : engine.history().undo) steps.push_back(step.snapshotLines());
    for (const UndoSection& section : kUndoSections) {
        put(section.header);
        for (const auto& lines : steps) {
            for (int i = 0; i < section.count; ++i) put(lines[static_cast<size_t>(section.first + i)]);
        }
    }
    put(kLogHeader);
    put(game.moveLog.text());
    return out;
}

std::string SaveGameFile(const std::filesystem::path& path, const Engine& engine, const SettingsRecord& settings) {
    if (!WriteFileAtomically(path, SavedGameBytes(engine, settings))) {
        return "Cannot write the saved game " + path.string() + ".";
    }
    return {};
}

std::optional<SavedGame> ParseSavedGame(std::string_view bytes, std::string& error) {
    std::vector<std::string> lines = SplitLines(bytes);
    const auto fail = [&error](std::string message) {
        error = std::move(message);
        return std::nullopt;
    };
    if (lines.empty() || lines[0].size() != kSavedGameHeaderLength) {
        return fail("the header line is not " + std::to_string(kSavedGameHeaderLength) + " characters long");
    }
    SavedGame saved;
    saved.version = lines[0].substr(3, 4);
    if (!IsDigits(saved.version)) return fail("the format version \"" + saved.version + "\" is not a number");
    const bool oldLayout = saved.version < "0301";
    if (oldLayout && !ConvertOldLayout(lines)) return fail("the file is truncated (" + std::to_string(lines.size()) + " lines)");

    // The position and the five section headers, the log line at least.
    const size_t minimumLines = static_cast<size_t>(kSavedGameFirstPileLine + kSnapshotLines) + kUndoSections.size() + 2;
    if (lines.size() < minimumLines) {
        return fail("the file is truncated (" + std::to_string(lines.size()) + " lines, at least " +
                    std::to_string(minimumLines) + " needed)");
    }

    const std::string& header = lines[0];
    const auto headerNumber = [&header](size_t position, size_t width, bool allowNegative) {
        return ParseNumber(std::string_view(header).substr(position - 1, width), allowNegative);
    };
    const auto code = headerNumber(9, 4, false);
    if (!code) return fail("the game code \"" + header.substr(8, 4) + "\" is not a number");
    const auto scoring = headerNumber(82, 2, false);
    if (!scoring) return fail("the scoring system \"" + header.substr(81, 2) + "\" is not a number");
    const auto score = headerNumber(84, 6, true);
    if (!score) return fail("the score \"" + header.substr(83, 6) + "\" is not a number");
    const auto pass = headerNumber(90, 6, false);
    if (!pass || *pass < 1 || *pass > 32767) return fail("the pass \"" + header.substr(89, 6) + "\" is not a pass number");
    saved.gameCode = *code;
    saved.scoringSystem = *scoring;
    saved.score = *score;
    saved.passNumber = *pass;
    saved.elapsedSeconds = headerNumber(76, 6, false);  // unreadable: the clock starts from zero

    const std::string& line1 = lines[1];
    if (line1.size() != kSavedGameLine1Length) {
        return fail("line 2 is not " + std::to_string(kSavedGameLine1Length) + " characters long");
    }
    saved.playerName = std::string(Trim(std::string_view(line1).substr(0, 30)));
    saved.gameNumber = std::string(Trim(std::string_view(line1).substr(50, 13)));
    for (size_t i = 0; i < saved.foundationFirstCards.size(); ++i) {
        saved.foundationFirstCards[i] = ParseNumber(std::string_view(line1).substr(66 + 2 * i, 2), true);
    }

    const auto firstPile = lines.begin() + kSavedGameFirstPileLine;
    saved.pileLines.assign(firstPile, firstPile + kSnapshotLines);
    if (std::string fault = CheckPosition(saved.pileLines, kSavedGameFirstPileLine, "position"); !fault.empty()) {
        return fail(fault);
    }

    // The sections: each header once; every line after the position belongs to one.
    std::array<std::vector<std::string>, 4> entries;
    std::array<bool, 4> seenSection{};
    bool seenLog = false;
    std::vector<std::string> logLines;
    int current = -1;  // 0-3 the undo sections, 4 the log
    for (size_t i = static_cast<size_t>(kSavedGameFirstPileLine + kSnapshotLines); i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int opened = -1;
        for (size_t s = 0; s < kUndoSections.size(); ++s) {
            if (line.starts_with(kUndoSections[s].header)) opened = static_cast<int>(s);
        }
        if (line.starts_with(kLogHeader)) opened = 4;
        if (opened >= 0) {
            bool& seen = opened == 4 ? seenLog : seenSection[static_cast<size_t>(opened)];
            if (seen) return fail("line " + std::to_string(i + 1) + ": the section " + line + " comes twice");
            seen = true;
            current = opened;
        } else if (current < 0) {
            return fail("line " + std::to_string(i + 1) + " lies outside any section");
        } else if (current == 4) {
            logLines.push_back(line);
        } else {
            entries[static_cast<size_t>(current)].push_back(line);
        }
    }
    for (size_t s = 0; s < kUndoSections.size(); ++s) {
        if (!seenSection[s]) return fail("the section " + std::string(kUndoSections[s].header) + " is missing");
    }
    if (!seenLog) return fail("the section " + std::string(kLogHeader) + " is missing");
    if (logLines.size() != 1) {
        return fail("the section " + std::string(kLogHeader) + " holds " + std::to_string(logLines.size()) +
                    " lines instead of one");
    }
    if (!IsMoveLogText(logLines[0])) return fail("the move log \"" + logLines[0] + "\" is malformed");
    saved.moveLog = logLines[0];

    if (oldLayout) {
        constexpr size_t kOldFoundations = kFoundationCount - 4;
        constexpr size_t kOldTableaus = kTableauCount - 5;
        if (!WidenOldSteps(entries[1], kOldFoundations, 8, 4)) {
            return fail("the section [UNDO - Foundations] holds " + std::to_string(entries[1].size()) +
                        " lines, not a whole number of steps of " + std::to_string(kOldFoundations));
        }
        if (!WidenOldSteps(entries[2], kOldTableaus, 20, 5)) {
            return fail("the section [UNDO - Piles] holds " + std::to_string(entries[2].size()) +
                        " lines, not a whole number of steps of " + std::to_string(kOldTableaus));
        }
    }
    std::optional<size_t> steps;
    for (size_t s = 0; s < kUndoSections.size(); ++s) {
        const size_t count = static_cast<size_t>(kUndoSections[s].count);
        if (entries[s].size() % count != 0) {
            return fail("the section " + std::string(kUndoSections[s].header) + " holds " +
                        std::to_string(entries[s].size()) + " lines, not a whole number of steps of " +
                        std::to_string(count));
        }
        const size_t here = entries[s].size() / count;
        if (steps && *steps != here) {
            return fail("the undo sections hold different numbers of steps (" + std::to_string(*steps) + " and " +
                        std::to_string(here) + ")");
        }
        steps = here;
    }
    for (size_t step = 0; step < *steps; ++step) {
        std::vector<std::string> snapshot;
        snapshot.reserve(kSnapshotLines);
        for (size_t s = 0; s < kUndoSections.size(); ++s) {
            const size_t count = static_cast<size_t>(kUndoSections[s].count);
            const auto from = entries[s].begin() + static_cast<std::ptrdiff_t>(step * count);
            snapshot.insert(snapshot.end(), from, from + static_cast<std::ptrdiff_t>(count));
        }
        std::bitset<kCardCount + 1> seen;
        for (size_t i = 0; i < snapshot.size(); ++i) {
            if (std::string fault = CheckPileLine(snapshot[i], seen); !fault.empty()) {
                return fail("undo step " + std::to_string(step + 1) + ", pile " + std::to_string(i + 1) + ": " + fault);
            }
        }
        saved.undoSteps.push_back(std::move(snapshot));
    }
    return saved;
}

std::string LoadSavedGame(const std::filesystem::path& path, Engine& engine, SettingsRecord& settings,
                          const SavedGameCatalogue& catalogue, SavedGameUse use) {
    const std::string prefix = "Cannot open the saved game " + path.string() + ": ";
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return prefix + "the file cannot be read.";
    std::string error;
    const std::optional<SavedGame> saved = ParseSavedGame(*bytes, error);
    if (!saved) return prefix + error + ".";
    std::optional<GameRules> rules = catalogue.rules ? catalogue.rules(saved->gameCode) : std::nullopt;
    if (!rules || (*rules)[Rule::CardCount] == 0) {
        return prefix + "there is no game with the code " + std::to_string(saved->gameCode) + ".";
    }

    ResumedGame resumed;
    if (!RestoreSnapshot(resumed.position, saved->pileLines)) return prefix + "the position cannot be restored.";
    for (const auto& step : saved->undoSteps) {
        Position position;
        if (!RestoreSnapshot(position, step)) return prefix + "an undo step cannot be restored.";
        resumed.undo.push_back(std::move(position));
    }
    resumed.moveLog = saved->moveLog;
    resumed.score = saved->score;
    resumed.passNumber = saved->passNumber;
    resumed.elapsedSeconds = saved->elapsedSeconds.value_or(0);
    resumed.gameNumber = saved->gameNumber;
    resumed.foundationFirstCards = saved->foundationFirstCards;

    // Everything is checked: the game in progress ends and the saved one takes its place.
    engine.EndGame();
    const bool otherGame = settings.getNumber(Field::CurrentGame) != saved->gameCode || engine.game().gameCode != saved->gameCode;
    settings.put(Field::ScoringSystem, FormatField(saved->scoringSystem, 2));
    settings.put(Field::CurrentScore, std::to_string(saved->score));
    settings.put(Field::CurrentGame, FormatField(saved->gameCode, 4));
    if (catalogue.name) settings.put(Field::CurrentGameName, catalogue.name(saved->gameCode));
    if (use == SavedGameUse::Saved) settings.put(Field::CurrentPlayer, saved->playerName);
    settings.put(Field::CurrentGameNumber, saved->gameNumber);
    if (otherGame) {
        settings.put(Field::RunWon, "0000");
        settings.put(Field::RunLost, "0000");
    }
    if (!engine.ResumeGame(saved->gameCode, *rules, resumed)) return prefix + "the game cannot be played on.";
    return {};
}

bool RestartGame(Engine& engine, const SettingsRecord& settings, SoundPlayer& sound) {
    if (engine.game().gameCode == kNoGame || engine.rules()[Rule::CardCount] == 0) return false;
    engine.EndGame();
    ResumedGame resumed;
    resumed.keepCurrentRules = true;
    resumed.position = engine.position();
    if (!engine.history().undo.empty()) engine.history().undo.front().restoreInto(resumed.position);
    resumed.passNumber = 1;
    resumed.gameNumber = engine.game().gameNumber;
    GameSounds(settings, sound).play(Sound::Restart, settings.get(Field::SoundsRestart) == "Y");
    return engine.ResumeGame(engine.game().gameCode, engine.rules(), resumed);
}

}  // namespace dravicor
