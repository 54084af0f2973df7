#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dravicor {

class Program;

// `solve CODE NUMBER [--budget N] [--seconds S] [--cpu-seconds S]
// [--memory MIB] [--moves]`: the solver's verdict on one deal, what it took,
// and with --moves the winning line as play commands on standard output (the
// report then goes to standard error).
int SolveCommand(Program& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `survey CODE FROM TO [--budget N] [--seconds S] [--cpu-seconds S]
// [--memory MIB] [--jobs N] [--deals]`: the verdicts on a range of deals,
// counted, with a progress bar on standard error; --deals prints one line per
// deal as well.
int SurveyCommand(Program& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dravicor
