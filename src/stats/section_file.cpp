#include "stats/section_file.h"

#include <algorithm>

#include "common/text.h"

namespace dravicor {

namespace {

bool IsHeader(const std::string& line) { return !line.empty() && line.front() == '['; }

std::string_view HeaderName(const std::string& line) {
    const auto close = line.find(']');
    return std::string_view(line).substr(1, close == std::string::npos ? std::string::npos : close - 1);
}


}  // namespace

std::string PadRight(std::string_view text, size_t width) {
    std::string padded(text.substr(0, width));
    padded.resize(width, ' ');
    return padded;
}

SectionDocument SectionDocument::Parse(std::string_view bytes) {
    SectionDocument document;
    document.lines_ = SplitLines(bytes);
    return document;
}

std::string SectionDocument::Serialize() const {
    std::string bytes;
    for (const auto& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

SectionDocument SectionDocument::WithVersion() {
    SectionDocument document;
    document.lines_ = {"[" + std::string(kVersionSection) + "]", std::string(kVersionKey) + "=" + std::string(kVersion)};
    return document;
}

std::optional<size_t> SectionDocument::FindSection(std::string_view name) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (IsHeader(lines_[i]) && lines_[i].find(']') != std::string::npos && HeaderName(lines_[i]) == name) return i;
    }
    return std::nullopt;
}

std::pair<size_t, size_t> SectionDocument::bodyOf(size_t header) const {
    size_t end = header + 1;
    while (end < lines_.size() && !IsHeader(lines_[end])) ++end;
    return {header + 1, end};
}

std::optional<size_t> SectionDocument::findKey(size_t header, std::string_view key) const {
    const auto [begin, end] = bodyOf(header);
    for (size_t i = begin; i < end; ++i) {
        const std::string& line = lines_[i];
        if (line.size() > key.size() && line[key.size()] == '=' && line.compare(0, key.size(), key) == 0) return i;
    }
    return std::nullopt;
}

std::vector<std::string> SectionDocument::ListSections() const {
    std::vector<std::string> names;
    for (const auto& line : lines_) {
        if (IsHeader(line)) names.emplace_back(HeaderName(line));
    }
    return names;
}

std::vector<std::string> SectionDocument::ListSectionLines(std::string_view section) const {
    std::vector<std::string> body;
    const auto header = FindSection(section);
    if (!header) return body;
    const auto [begin, end] = bodyOf(*header);
    for (size_t i = begin; i < end; ++i) {
        if (!lines_[i].empty()) body.push_back(lines_[i]);
    }
    return body;
}

std::optional<std::string> SectionDocument::ReadValue(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = findKey(*header, key);
    if (!line) return std::nullopt;
    return std::string(TrimRight(std::string_view(lines_[*line]).substr(key.size() + 1)));
}

std::string SectionDocument::ReadValue(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    return ReadValue(section, key).value_or(std::string(defaultValue));
}

std::vector<std::string> SectionDocument::ReadValues(std::string_view section, const std::vector<std::string>& keys,
                                                     const std::vector<std::string>& defaults) const {
    std::vector<std::string> values;
    values.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        values.push_back(ReadValue(section, keys[i], i < defaults.size() ? defaults[i] : std::string()));
    }
    return values;
}

void SectionDocument::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    const auto header = FindSection(section);
    if (!header) {
        lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(entry);
        return;
    }
    const auto line = findKey(*header, key);
    if (line && lines_[*line].size() == entry.size()) {
        lines_[*line] = entry;
        return;
    }
    // Rebuild the body: its key=value lines with the new value, then one empty line.
    const auto [begin, end] = bodyOf(*header);
    std::vector<std::string> body;
    bool replaced = false;
    for (size_t i = begin; i < end; ++i) {
        if (lines_[i].empty()) continue;
        if (line && i == *line) {
            body.push_back(entry);
            replaced = true;
        } else {
            body.push_back(lines_[i]);
        }
    }
    if (!replaced) body.push_back(entry);
    body.emplace_back();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin), lines_.begin() + static_cast<std::ptrdiff_t>(end));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(begin), body.begin(), body.end());
}

void SectionDocument::WriteValues(std::string_view section, const std::vector<std::string>& keys,
                                  const std::vector<std::string>& values) {
    const size_t count = std::min(keys.size(), values.size());
    if (!FindSection(section)) {
        // A new section gets all its lines at once, without the closing empty
        // line of a rebuilt one.
        lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        for (size_t i = 0; i < count; ++i) lines_.push_back(keys[i] + "=" + values[i]);
        return;
    }
    for (size_t i = 0; i < count; ++i) WriteValue(section, keys[i], values[i]);
}

void SectionDocument::EraseSection(std::string_view section) {
    const auto header = FindSection(section);
    if (!header) return;
    const auto end = bodyOf(*header).second;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header), lines_.begin() + static_cast<std::ptrdiff_t>(end));
}

int SectionDocument::ReplaceInLines(size_t column, std::string_view oldText, std::string_view newText) {
    if (column == 0 || oldText.size() != newText.size()) return 0;
    int changed = 0;
    for (auto& line : lines_) {
        if (line.size() >= column - 1 + oldText.size() && line.compare(column - 1, oldText.size(), oldText) == 0) {
            line.replace(column - 1, oldText.size(), newText);
            ++changed;
        }
    }
    return changed;
}

}  // namespace dravicor
