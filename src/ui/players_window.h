#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "players/player_list.h"

class QListWidget;
class QPushButton;

namespace dravicor {

class Program;

// "Players": adds, renames and deletes players and chooses who plays.
// Adds, renames and deletions stand even when the window is cancelled; only
// the change of the current player needs OK.
class TfrmPlayers final : public QDialog {
    Q_OBJECT

public:
    // Asks for a name with the given title, starting from the given text;
    // nothing when the user cancelled.
    using NameAsker = std::function<std::optional<std::string>(const QString& title, const std::string& name)>;

    explicit TfrmPlayers(Program& program, QWidget* parent = nullptr);

    // "&?" opens this; without it the button is disabled.
    void setHelp(std::function<void()> help);
    // Replaces the name dialog (TfrmPlayerName), for scripted use.
    void setNameAsker(NameAsker asker) { askName_ = std::move(asker); }

    // Shows the window modally and saves the list and the current player
    // however it was closed. True when another player became current: the
    // caller then redraws the table and opens the open-game dialog. The
    // caller updates the main window's caption in any case.
    bool run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void fillList(const std::string& select);
    std::string selectedName() const;
    void updateButtons();
    void showMessage(std::string_view text);
    // A name problem is shown and the name dialog comes again.
    static bool AsksAgain(const PlayerResult& result);

    void btnNewClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnOKClick();

    Program& program_;
    PlayerContext context_;
    PlayerList list_;
    NameAsker askName_;
    std::function<void()> help_;
    bool playerChanged_ = false;
    QListWidget* lsbPlayers_ = nullptr;
    QPushButton* btnEdit_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace dravicor
