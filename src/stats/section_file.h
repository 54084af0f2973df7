#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// The sectioned data files (statistics, hi-scores, overall scores): lines
// ending in CR LF; "[name]" starts a section, whose body runs to the next
// line starting with "["; body lines are "key=value" with exact-case keys.
// A document is the file's content in memory: every operation of an update
// works on it, and the file is replaced in one step afterwards.
class SectionDocument {
public:
    static SectionDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    // The first line of a fresh data file.
    static constexpr std::string_view kVersionSection = "Version";
    static constexpr std::string_view kVersionKey = "Version";
    static constexpr std::string_view kVersion = "0300";
    // A document holding only "[Version]" / "Version=0300".
    static SectionDocument WithVersion();

    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string>& lines() { return lines_; }

    // Index of the header line of the first section of that name.
    std::optional<size_t> FindSection(std::string_view name) const;
    // Section names in file order.
    std::vector<std::string> ListSections() const;
    // The non-empty body lines of a section.
    std::vector<std::string> ListSectionLines(std::string_view section) const;

    // The value of key (trailing blanks removed), or nothing.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadValue(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::vector<std::string> ReadValues(std::string_view section, const std::vector<std::string>& keys,
                                        const std::vector<std::string>& defaults) const;

    // Sets key=value. A missing section is appended (an empty line, the
    // header, the line); a line of the same length is replaced where it
    // stands; otherwise the section's body is rebuilt (its key=value lines,
    // the new one last, then one empty line).
    void WriteValue(std::string_view section, std::string_view key, std::string_view value);
    void WriteValues(std::string_view section, const std::vector<std::string>& keys,
                     const std::vector<std::string>& values);
    // Removes a section with its body.
    void EraseSection(std::string_view section);
    // Every line whose text at the 1-based column equals oldText gets
    // newText there (both of the same length); returns how many changed.
    int ReplaceInLines(size_t column, std::string_view oldText, std::string_view newText);

private:
    // [begin, end) of the section's body lines.
    std::pair<size_t, size_t> bodyOf(size_t header) const;
    std::optional<size_t> findKey(size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
};

// The text filled with blanks on the right to the width, or cut to it.
std::string PadRight(std::string_view text, size_t width);

}  // namespace dravicor
