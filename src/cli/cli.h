#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// The text front end's usage: its synopsis and every command. Printed by
// --help (and on wrong usage); the manual page is made from it.
std::string_view CliUsage();

// Runs the text front end with the arguments after the program name.
// Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
// "--help" alone prints the usage on standard output. Standard input feeds
// the play command.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace dravicor
