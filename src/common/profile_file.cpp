#include "common/profile_file.h"

#include <charconv>
#include <optional>
#include <utility>

#include "common/file_io.h"
#include "common/folder_lock.h"
#include "common/text.h"

namespace dravicor {

namespace {

// How long a write waits for another running copy's change of the folder.
constexpr std::chrono::milliseconds kLockPatience{2000};

}  // namespace

ProfileWriteError::ProfileWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()) {}

namespace {

// What a line of a profile file is, as far as the operations care.
struct LineInfo {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // key value, trimmed
};

LineInfo Classify(std::string_view line) {
    const std::string_view text = Trim(line);
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        const std::string_view name =
            close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        return {LineInfo::Kind::Section, Trim(name), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineInfo::Kind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

// Walks the lines of a file and calls visit(index, info, inSection) for each,
// where inSection tells whether the line lies in a section of the given name.
// Several sections may carry the same name; together they act as one.
template <typename Visit>
void ForEachLine(const std::vector<std::string>& lines, std::string_view section, Visit visit) {
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const LineInfo info = Classify(lines[i]);
        if (info.kind == LineInfo::Kind::Section) inSection = EqualsNoCase(info.name, section);
        visit(i, info, inSection);
    }
}

}  // namespace

ProfileFile::ProfileFile(std::filesystem::path path, ProfileWrites writes) : path_(std::move(path)), writes_(writes) {}

std::vector<std::string> ProfileFile::readLines() const {
    const auto content = ReadWholeFile(path_);
    return content ? SplitLines(*content) : std::vector<std::string>{};
}

void ProfileFile::writeLines(const std::vector<std::string>& lines,
                             const std::string& original) const {
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    if (content == original || writes_ == ProfileWrites::Dropped) return;
    if (!WriteFileAtomically(path_, content)) throw ProfileWriteError(path_);
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::optional<std::string> found;
    ForEachLine(readLines(), section, [&](size_t, const LineInfo& info, bool inSection) {
        if (!found && inSection && info.kind == LineInfo::Kind::Key && EqualsNoCase(info.name, key))
            found = std::string(info.value);
    });
    std::string value = found ? std::move(*found) : std::string(defaultValue);
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    return value;
}

std::vector<std::string> ProfileFile::ReadKeys(std::string_view section) const {
    std::vector<std::string> keys;
    ForEachLine(readLines(), section, [&](size_t, const LineInfo& info, bool inSection) {
        if (inSection && info.kind == LineInfo::Kind::Key) keys.emplace_back(info.name);
    });
    return keys;
}

bool ParseProfileInteger(std::string_view text, std::int32_t& value) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal values are bit patterns: 0xFFFFFFFF is -1.
        std::uint32_t bits = 0;
        const auto digits = text.substr(2);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        if (ec != std::errc{} || end != digits.data() + digits.size()) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

std::int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    std::int32_t value = defaultValue;
    const std::string text = ReadString(section, key, "");
    return ParseProfileInteger(text, value) ? value : defaultValue;
}

namespace {

// Sets the key in the lines: replaced where it stands, else added after the
// last non-blank line of the first section of that name, else a new section
// at the end.
void SetKey(std::vector<std::string>& lines, std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = OneLine(key) + "=" + OneLine(value);
    std::optional<size_t> existing;
    std::optional<size_t> insertAt;
    bool seenSection = false;
    bool inFirstSection = false;
    ForEachLine(lines, section, [&](size_t i, const LineInfo& info, bool inSection) {
        if (info.kind == LineInfo::Kind::Section) {
            inFirstSection = inSection && !seenSection;
            if (inSection && !seenSection) {
                seenSection = true;
                insertAt = i + 1;
            }
            return;
        }
        if (!existing && inSection && info.kind == LineInfo::Kind::Key && EqualsNoCase(info.name, key))
            existing = i;
        if (inFirstSection && !Trim(lines[i]).empty()) insertAt = i + 1;
    });

    if (existing) {
        lines[*existing] = entry;
    } else if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + OneLine(section) + "]");
        lines.push_back(entry);
    }
}

}  // namespace

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteStrings(section, {{std::string(key), std::string(value)}});
}

void ProfileFile::WriteStrings(std::string_view section,
                               const std::vector<std::pair<std::string, std::string>>& entries) {
    const FolderLock lock(path_.parent_path(), kLockPatience);
    const std::string original = ReadWholeFile(path_).value_or("");
    std::vector<std::string> lines = SplitLines(original);
    for (const auto& [key, value] : entries) SetKey(lines, section, key, value);
    writeLines(lines, original);
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::EraseSection(std::string_view section) {
    const FolderLock lock(path_.parent_path(), kLockPatience);
    const auto content = ReadWholeFile(path_);
    if (!content) return;  // nothing to erase
    const std::vector<std::string> lines = SplitLines(*content);
    std::vector<std::string> kept;
    ForEachLine(lines, section, [&](size_t i, const LineInfo&, bool inSection) {
        if (!inSection) kept.push_back(lines[i]);
    });
    writeLines(kept, *content);
}

void ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    const FolderLock lock(path_.parent_path(), kLockPatience);
    const auto content = ReadWholeFile(path_);
    if (!content) return;
    const std::vector<std::string> lines = SplitLines(*content);
    std::vector<std::string> kept;
    ForEachLine(lines, section, [&](size_t i, const LineInfo& info, bool inSection) {
        if (!(inSection && info.kind == LineInfo::Kind::Key && EqualsNoCase(info.name, key)))
            kept.push_back(lines[i]);
    });
    try {
        writeLines(kept, *content);
    } catch (const ProfileWriteError&) {
        // Deleting a key is best effort.
    }
}

}  // namespace dravicor
