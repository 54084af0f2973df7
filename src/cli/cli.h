#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dravicor {

// Runs the text front end with the arguments after the program name.
// Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dravicor
