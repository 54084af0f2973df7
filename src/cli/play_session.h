#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "engine/card_counter.h"
#include "engine/engine.h"
#include "solver/hint.h"

namespace dravicor {

class Program;

// The text interface to a game in progress: one command per input line,
// each answered by its output and a line holding only ".".
class PlaySession final : private EngineObserver {
public:
    PlaySession(Program& program, std::ostream& out) : program_(program), out_(out) {}

    // Starts the game as New game does (numberText empty: a new number).
    // False when the game cannot be dealt.
    bool start(int code, const std::string& numberText);
    // Reads and answers commands until "quit" or the end of input.
    void run(std::istream& in);
    // Answers one command line; false after "quit".
    bool answer(const std::string& line);

private:
    void printSnapshot();
    void printMoves();
    void printState();
    std::string_view verdictWord();
    void printHint();
    void printTable();
    std::string move(const std::string& cardText, const std::string& target);
    std::string stock();
    std::string save(const std::string& file);
    std::string chooseNumber(const std::string& text);
    std::string press(const std::string& what);
    std::string counter(const std::string& option);
    void printPokerPanel();
    std::string demo(const std::string& action, const std::string& stepText);
    std::string doubleClick(const std::string& cardText);

    void gameWon() override { sawWin_ = true; }

    Program& program_;
    std::ostream& out_;
    bool sawWin_ = false;
    CardCounter counter_;
    HintFinder hints_;
};

// One line per card: rank and suit letters ("TH" the ten of hearts), "##"
// for a face-down card, ".." for an empty slot.
std::string CardLabel(int card, bool faceUp);

}  // namespace dravicor
