#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dravicor {

// Raised when a profile file cannot be written; the message is
// "Unable to write to " followed by the file's path.
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::filesystem::path& path);
};

// Whether a profile file's writes reach the disk. Dropped writes serve a run
// whose DATA folder cannot be written: the program said so once, and every
// change then stays undone without another word.
enum class ProfileWrites { Made, Dropped };

// A "[Section]" / "Key=Value" text file, accessed one operation at a time:
// every call opens the file, does its work and closes it again, so two
// objects for the same path always agree. Section and key names match
// without regard to letter case. Writes replace the file in one step, so it
// is never left half written, and hold the lock of its folder (FolderLock)
// from reading to replacing, so two running copies never undo each
// other's changes; lines end in CR LF.
class ProfileFile {
public:
    static constexpr size_t kMaxValueLength = 1023;

    explicit ProfileFile(std::filesystem::path path, ProfileWrites writes = ProfileWrites::Made);

    const std::filesystem::path& path() const { return path_; }

    // The value of the key, or the default when the file, the section or the
    // key is missing. At most 1023 characters are returned.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Reads a decimal integer, or a hexadecimal one written "0x..." (more
    // than two characters). Text that is no valid 32-bit integer gives the
    // default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // The keys of a section in file order (empty when it is missing).
    std::vector<std::string> ReadKeys(std::string_view section) const;

    // Sets the key, creating the file, the section and the key as needed.
    // Line breaks in the value become blanks: a value is one line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Sets several keys of one section in a single rewrite of the file.
    void WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);
    // Removes the section with all its keys.
    void EraseSection(std::string_view section);
    // Removes one key; a failure to write is ignored.
    void DeleteKey(std::string_view section, std::string_view key);

private:
    std::vector<std::string> readLines() const;
    void writeLines(const std::vector<std::string>& lines, const std::string& original) const;

    std::filesystem::path path_;
    ProfileWrites writes_;
};

// Parses text as a profile integer (see ReadInteger); false when it is none.
bool ParseProfileInteger(std::string_view text, std::int32_t& value);

}  // namespace dravicor
