#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// Small text helpers shared by the file formats. All work on bytes: data
// files are 8-bit text, and letter case is folded for ASCII letters only.

std::string_view Trim(std::string_view text);
// Without the spaces that pad a fixed-width column on the right.
std::string_view TrimRight(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view text);
// The lines of a text split at LF, a CR before the LF dropped; a final line
// without LF counts, an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);
// True when the text is one or more decimal digits.
bool IsDigits(std::string_view text);

}  // namespace dravicor
