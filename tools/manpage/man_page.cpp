#include "man_page.h"

#include <cctype>
#include <sstream>

namespace dravicor {

namespace {

constexpr std::string_view kUsagePrefix = "usage: ";
constexpr size_t kEntryIndent = 2;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

size_t Indent(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? line.size() : first;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "commands:" and the like: a heading of the usage text.
bool IsHeading(const std::string& line) {
    if (line.empty() || line.back() != ':' || line[0] == ' ') return false;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if (!std::islower(static_cast<unsigned char>(line[i])) && line[i] != ' ') return false;
    }
    return true;
}

// One synopsis line: the program's name in bold, its arguments as written.
void Synopsis(std::ostringstream& page, const std::string& name, const std::string& arguments, bool first) {
    if (!first) page << ".br\n";
    page << ".B " << RoffText(name) << '\n';
    if (!arguments.empty()) page << RoffText(arguments) << '\n';
}

}  // namespace

std::string RoffText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\e";
        } else if (c == '-') {
            escaped += "\\-";
        } else {
            escaped += c;
        }
    }
    if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\'')) escaped.insert(0, "\\&");
    return escaped;
}

std::string ManPage(const ManPageText& text) {
    std::ostringstream page;
    page << ".TH " << RoffText(Upper(text.name)) << ' ' << text.section << " \"\" \"" << RoffText(text.source)
         << "\" \"Games\"\n";
    page << ".SH NAME\n" << RoffText(text.name) << " \\- " << RoffText(text.summary) << '\n';

    std::istringstream usage(text.usage);
    std::string line;
    page << ".SH SYNOPSIS\n";
    bool inSynopsis = false, firstSynopsis = true;
    std::ostringstream sections;
    while (std::getline(usage, line)) {
        if (line.rfind(kUsagePrefix, 0) == 0) {
            const std::string rest = line.substr(kUsagePrefix.size());
            const std::string arguments = rest.size() > text.name.size() ? Trimmed(rest.substr(text.name.size())) : "";
            Synopsis(page, text.name, arguments, firstSynopsis);
            inSynopsis = true;
            firstSynopsis = false;
        } else if (inSynopsis && Trimmed(line).rfind(text.name, 0) == 0) {
            Synopsis(page, text.name, Trimmed(Trimmed(line).substr(text.name.size())), false);
        } else if (IsHeading(line)) {
            inSynopsis = false;
            sections << ".SH " << RoffText(Upper(line.substr(0, line.size() - 1))) << '\n';
        } else if (Indent(line) == kEntryIndent) {
            inSynopsis = false;
            const std::string entry = line.substr(kEntryIndent);
            const size_t gap = entry.find("  ");
            sections << ".TP\n\\fB" << RoffText(Trimmed(entry.substr(0, gap))) << "\\fR\n";
            if (gap != std::string::npos) sections << RoffText(Trimmed(entry.substr(gap))) << '\n';
        } else if (!Trimmed(line).empty()) {
            sections << RoffText(Trimmed(line)) << '\n';
        }
    }

    page << ".SH DESCRIPTION\n";
    std::istringstream description(text.description);
    bool written = false, parted = false;
    while (std::getline(description, line)) {
        if (Trimmed(line).empty()) {
            parted = written;
            continue;
        }
        if (parted) page << ".PP\n";
        parted = false;
        page << RoffText(Trimmed(line)) << '\n';
        written = true;
    }
    page << sections.str();
    if (!text.files.empty()) {
        page << ".SH FILES\n";
        for (const auto& [file, what] : text.files) page << ".TP\n.I " << RoffText(file) << '\n' << RoffText(what) << '\n';
    }
    return page.str();
}

}  // namespace dravicor
