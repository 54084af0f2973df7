#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace dravicor::test {

// One run of the text front end, in process.
struct CliRun {
    int code = 0;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, in, out, err);
    return {code, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The answers of a play session: the lines before each "." line. Lines after
// the last "." (there should be none) come as one more answer.
inline std::vector<std::vector<std::string>> Answers(const std::string& out) {
    std::vector<std::vector<std::string>> answers(1);
    for (const std::string& line : Lines(out)) {
        if (line == ".") {
            answers.emplace_back();
        } else {
            answers.back().push_back(line);
        }
    }
    if (answers.back().empty()) answers.pop_back();
    return answers;
}

}  // namespace dravicor::test
