#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell/program.h"

namespace dravicor::fuzz {

// Everything of a running program that loading a file may change: the
// position, the undo and redo steps, the game's state and rules, the
// settings record and every file of the DATA folder. Two states compare
// equal when a refused operation left the program as it was.
struct ProgramState {
    std::vector<std::string> position;
    std::vector<std::vector<std::string>> undo;
    std::vector<std::vector<std::string>> redo;
    std::string game;  // code, number, progress, score, pass, clock, logs
    std::vector<int> rules;
    std::string record;
    std::map<std::string, std::string> dataFiles;

    static ProgramState Of(Program& program);
    // The first part that differs, or empty.
    std::string difference(const ProgramState& other) const;
};

// The settings record as one text, field by field.
std::string RecordText(const SettingsRecord& settings);

}  // namespace dravicor::fuzz
