#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "select/game_numbers.h"

class QComboBox;
class QPushButton;

namespace dravicor {

class Program;

// "Select a game number": replays or picks a deal of the current game by
// its number; the list offers the twenty numbers played last.
class TfrmSeleziona final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSeleziona(Program& program, QWidget* parent = nullptr);

    // "&?" opens this; without it the button is disabled.
    void setHelp(std::function<void()> help);

    // Shows the dialog modally. An accepted number is dealt once the dialog
    // is hidden (the player may still keep the game in progress); nothing
    // when the dialog was cancelled. The caller refreshes the status display.
    std::optional<ChosenDealOutcome> run();

    // The number OK accepted, padded to 13 digits.
    const std::string& chosenNumber() const { return chosen_; }

private:
    void FormCreate();
    void FormShow();
    void btnOKClick();

    Program& program_;
    std::function<void()> help_;
    std::string chosen_;
    QComboBox* cboNumber_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace dravicor
