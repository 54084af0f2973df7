#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_target.h"

namespace dravicor::fuzz {

// A scratch folder for the whole process (under TMPDIR), removed at exit.
// Fresh() empties it for the next input and returns it.
const std::filesystem::path& ScratchDir();
const std::filesystem::path& FreshScratchDir();
// A program folder in the scratch folder holding the first 32 games of the
// built catalogue and nothing else (emptied of everything but GAMES.DAT for
// each input).
const std::filesystem::path& FreshProgramDir();
std::filesystem::path BuiltCatalogue();
// The first 32 games of the built catalogue (every start-up reads the
// catalogue whole, and the targets need only a few games).
const std::filesystem::path& SmallCataloguePath();

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> ReadBytes(const std::filesystem::path& path);
// Every regular file under the folder with its bytes, by relative path.
std::map<std::string, std::string> FolderState(const std::filesystem::path& folder);

// A player name as the settings record holds it (no line break, at most
// 30 characters, no leading blanks).
std::string PlayerName(std::string_view text);

// Takes small numbers and texts off the front of an input, so that one
// input can steer an operation as well as supply a file. Past the end it
// gives zeros and empty texts.
class InputReader {
public:
    explicit InputReader(std::string_view input) : rest_(input) {}
    std::uint8_t byte();
    // A number from 0 to limit - 1 (limit > 0).
    int below(int limit) { return byte() % limit; }
    // Bytes up to the next LF (dropped), or the rest.
    std::string_view line();
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace dravicor::fuzz
