#pragma once

#include <string>
#include <utility>
#include <vector>

namespace dravicor {

// What a manual page says. The synopsis, options and commands come from the
// program's own usage text, so that the page and the program never
// disagree; the rest is prose of the page's own.
struct ManPageText {
    std::string name;     // "dravicor-cli"
    int section = 6;      // games
    std::string source;   // "Dravicor 0.1.0"
    std::string summary;  // the NAME line after the dash
    // Paragraphs, separated by empty lines.
    std::string description;
    // The usage text: "usage: NAME ARGS" (further synopsis lines indented
    // under it), then sections headed "WORDS:" whose entries are "  TERM"
    // followed by two or more blanks and the description; deeper indented
    // lines go on with the entry above.
    std::string usage;
    // Files and folders with what they hold.
    std::vector<std::pair<std::string, std::string>> files;
};

// The page in man(7) markup.
std::string ManPage(const ManPageText& text);

// Text made safe for a roff line: backslashes and hyphens escaped, a line
// starting with a control character guarded.
std::string RoffText(const std::string& text);

}  // namespace dravicor
