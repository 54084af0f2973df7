// The configuration file (DATA/CFG.DAT) and profile files in general. The
// input steers one write and supplies the file: "OP\nSECTION\nKEY\nVALUE\n"
// then the file's bytes.
//   - every key the file holds reads the same before and after a write of
//     another key, an erase of another section or a delete of another key;
//   - what is written reads back (one line, trimmed, at most 1023 bytes);
//     writing it again changes no byte;
//   - the program starts over the file, and a second start over what the
//     first left gives the same settings record;
//   - the player list, favourites and recent game numbers read from it save
//     back and read again the same.
#include <algorithm>
#include <cctype>
#include <set>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "program_state.h"
#include "players/player_list.h"
#include "select/favourites.h"
#include "select/game_numbers.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

// Section and key names the program itself could write: letters, digits,
// "_" and inner blanks.
std::string Identifier(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ' ') name += c;
    }
    return std::string(Trim(name));
}

// What a value reads back as once written.
std::string AsRead(std::string_view value) {
    std::string line(value);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::string read(Trim(line));
    if (read.size() > ProfileFile::kMaxValueLength) read.resize(ProfileFile::kMaxValueLength);
    return read;
}

// Every (section, key) -> value the file holds, sections and keys as first
// written, lower-cased, since matching ignores case.
using KeyValues = std::map<std::pair<std::string, std::string>, std::string>;

KeyValues ReadAll(const ProfileFile& file) {
    KeyValues all;
    std::set<std::string> sections;
    for (const auto& line : SplitLines(ReadBytes(file.path()).value_or(""))) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() != '[') continue;
        const auto close = text.find(']');
        sections.insert(ToLower(Trim(close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1))));
    }
    for (const auto& section : sections) {
        for (const auto& key : file.ReadKeys(section)) {
            all.try_emplace({section, ToLower(key)}, file.ReadString(section, key, ""));
        }
    }
    return all;
}

void ExpectOthersKept(const KeyValues& before, const KeyValues& after, const std::string& section,
                      const std::string& key, const char* operation) {
    for (const auto& [where, value] : before) {
        if (where.first != ToLower(section)) {
            const auto kept = after.find(where);
            DRAVICOR_FUZZ_CHECK(kept != after.end() && kept->second == value,
                                std::string(operation) + " changed [" + where.first + "] " + where.second);
        } else if (!key.empty() && where.second != ToLower(key)) {
            const auto kept = after.find(where);
            DRAVICOR_FUZZ_CHECK(kept != after.end() && kept->second == value,
                                std::string(operation) + " changed another key of its section: " + where.second);
        }
    }
}

// Starts the program over the folder; the settings record it ends with.
std::string StartProgram(const std::filesystem::path& programDir) {
    test::FakePlatform fake;
    Platform platform = fake.platform();
    Program program(programDir, platform);
    DRAVICOR_FUZZ_CHECK(program.initialise(), "start-up ended with the catalogue in place");
    return RecordText(program.settings());
}

void CheckProfileOperations(int operation, const std::string& section, const std::string& key,
                            const std::string& value, const std::filesystem::path& path, std::string_view content) {
    WriteBytes(path, content);
    ProfileFile file(path);
    const KeyValues before = ReadAll(file);
    for (const auto& [where, read] : before) {
        std::int32_t number = 0;
        const std::int32_t asInteger = file.ReadInteger(where.first, where.second, 7);
        DRAVICOR_FUZZ_CHECK(asInteger == (ParseProfileInteger(read, number) ? number : 7),
                            "ReadInteger disagrees with ReadString");
        DRAVICOR_FUZZ_CHECK(read.size() <= ProfileFile::kMaxValueLength, "a value longer than 1023 bytes");
    }
    if (section.empty() || key.empty()) return;

    switch (operation) {
        case 0: {
            file.WriteString(section, key, value);
            DRAVICOR_FUZZ_CHECK(file.ReadString(section, key, "\x01") == AsRead(value), "a written value reads back");
            const auto written = ReadBytes(path);
            file.WriteString(section, key, value);
            DRAVICOR_FUZZ_CHECK(ReadBytes(path) == written, "writing the same value again changed the file");
            ExpectOthersKept(before, ReadAll(file), section, key, "WriteString");
            break;
        }
        case 1:
            file.EraseSection(section);
            DRAVICOR_FUZZ_CHECK(file.ReadKeys(section).empty(), "an erased section keeps keys");
            ExpectOthersKept(before, ReadAll(file), section, "", "EraseSection");
            break;
        case 2:
            file.DeleteKey(section, key);
            DRAVICOR_FUZZ_CHECK(file.ReadString(section, key, "\x01") == "\x01", "a deleted key still reads");
            ExpectOthersKept(before, ReadAll(file), section, key, "DeleteKey");
            break;
        default: {
            std::vector<std::pair<std::string, std::string>> entries{{key, value}, {key + "2", value + "2"}};
            file.WriteStrings(section, entries);
            for (const auto& [k, v] : entries) {
                DRAVICOR_FUZZ_CHECK(file.ReadString(section, k, "\x01") == AsRead(v), "WriteStrings reads back");
            }
            break;
        }
    }
}

// The lists kept in the configuration file save back and read again the same.
void CheckListsRoundTrip(const std::filesystem::path& config, const std::filesystem::path& copyPath) {
    test::FakePlatform fake;
    const ProfileFile file(config);

    const PlayerList players = PlayerList::Load(file);
    DRAVICOR_FUZZ_CHECK(players.size() <= static_cast<size_t>(kStoredPlayers), "more than twenty players");
    for (const auto& name : players.names()) {
        DRAVICOR_FUZZ_CHECK(!name.empty() && name == NormalisePlayerName(name), "a player name is not normalised");
    }
    PlayerList changed(players.names());
    const bool added = changed.add("Zz Fuzz").done();
    std::filesystem::remove(copyPath);
    ProfileFile copy(copyPath);
    if (added) {
        DRAVICOR_FUZZ_CHECK(changed.save(copy), "a changed list is written");
        std::vector<std::string> expected = changed.names();
        if (expected.size() > static_cast<size_t>(kStoredPlayers)) expected.resize(kStoredPlayers);
        DRAVICOR_FUZZ_CHECK(PlayerList::Load(copy).names() == expected, "the player list reads back");
    }

    std::vector<std::string> favourites = ReadFavourites(file);
    for (auto& name : favourites) name = AsRead(name);
    DRAVICOR_FUZZ_CHECK(SaveFavourites(copy, favourites, fake), "favourites are written");
    DRAVICOR_FUZZ_CHECK(ReadFavourites(copy) == favourites, "the favourites read back");

    const std::vector<std::string> recent = ReadRecentGameNumbers(file);
    DRAVICOR_FUZZ_CHECK(recent.size() <= static_cast<size_t>(kRecentGameNumbers), "more than twenty recent numbers");
    ProfileFile writable(config);
    DRAVICOR_FUZZ_CHECK(RememberGameNumber(writable, "0000000004242", fake), "a game number is remembered");
    const std::vector<std::string> after = ReadRecentGameNumbers(writable);
    DRAVICOR_FUZZ_CHECK(!after.empty() && after.front() == "0000000004242", "the remembered number comes first");
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(profile) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int operation = input.below(4);
    const std::string section = Identifier(input.line());
    const std::string key = Identifier(input.line());
    const std::string value(input.line());
    const std::string_view content = input.rest();

    const std::filesystem::path& program = FreshProgramDir();
    CheckProfileOperations(operation, section, key, value, ScratchDir() / "other.ini", content);

    const std::filesystem::path config = program / "DATA" / "CFG.DAT";
    WriteBytes(config, content);
    const std::string first = StartProgram(program);
    DRAVICOR_FUZZ_CHECK(StartProgram(program) == first, "a second start over the file gives another record");
    CheckListsRoundTrip(config, ScratchDir() / "lists.ini");
}
