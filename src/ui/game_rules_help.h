#pragma once

#include <string>

#include <QObject>
#include <QPointer>

#include "ui/custom_help_dialog.h"
#include "ui/help_window.h"

namespace dravicor {

class Program;

// The rules of the games on screen, for the menu's "&Rules" and "&Contents"
// entries, the toolbar's Rules button and the open-game dialog. One help
// window serves every request; a customized game has its rules comparison.
class GameRulesHelp final : public QObject {
    Q_OBJECT

public:
    // The windows opened belong to `window`; the program outlives them.
    GameRulesHelp(Program& program, QWidget* window);

    // The rules of the game with the code, -1 for the current game: a
    // built-in game's page in the help window, a customized game's
    // comparison with its base game. Problems are reported as messages.
    void ShowGameRules(int code = -1);
    // The contents page in the help window.
    void ShowContents();

    // The windows as last opened (null before, or once closed).
    TfrmHelp* helpWindow() const { return help_; }
    TfrmCustomHelp* comparisonWindow() const { return comparison_; }

private:
    TfrmHelp& help();
    void showHelp(bool shown);
    void showComparison(int code);
    void report(const std::string& text);

    Program& program_;
    QWidget* window_;
    QPointer<TfrmHelp> help_;
    QPointer<TfrmCustomHelp> comparison_;
};

}  // namespace dravicor
