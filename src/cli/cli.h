#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace dravicor {

// Runs the text front end with the arguments after the program name.
// Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
// Standard input feeds the play command.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace dravicor
