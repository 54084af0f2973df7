#include "ui/clear_statistics_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "players/player_list.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "stats/game_log.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"

namespace dravicor {

TfrmClearStatistics::TfrmClearStatistics(Program& program, std::string_view player, int gameCode, QWidget* parent)
    : QDialog(parent), program_(program), games_(GamesByName(program.gameList(), program.customGameFile().list())) {
    setObjectName(QStringLiteral("TfrmClearStatistics"));
    setWindowTitle(QStringLiteral("Clear statistics"));
    auto* grid = new QGridLayout(this);
    const PlayerAndGameChoosers choosers = NewPlayerAndGameChoosers(this);
    cboPlayer_ = choosers.player;
    cboGame_ = choosers.game;
    QLabel* playerLabel = choosers.playerLabel;
    QLabel* gameLabel = choosers.gameLabel;
    grid->addWidget(playerLabel, 0, 0);
    grid->addWidget(cboPlayer_, 0, 1);
    grid->addWidget(gameLabel, 1, 0);
    grid->addWidget(cboGame_, 1, 1);

    const std::string wanted = NormalisePlayerName(player);
    cboPlayer_->addItem(ToQString(kAllPlayers));
    const PlayerList players = PlayerList::Load(ConfigFile(program_.settings()));
    for (const std::string& name : PlayerChoices(players.names(), wanted)) cboPlayer_->addItem(ToQString(name));
    cboPlayer_->setCurrentIndex(std::max(0, cboPlayer_->findText(ToQString(wanted))));
    cboGame_->addItem(ToQString(kAllGames), -1);
    for (const GameChoice& game : games_) cboGame_->addItem(ToQString(game.name), game.code);
    cboGame_->setCurrentIndex(std::max(0, cboGame_->findData(gameCode)));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &TfrmClearStatistics::btnOKClick);
    auto* cancel = NewDialogButton(this, QStringLiteral("Cancel"), "btnCancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

ClearStatisticsChoice TfrmClearStatistics::choice() const {
    // The first entries of the boxes stand for everyone and every game.
    ClearStatisticsChoice chosen;
    chosen.player = ToUtf8(cboPlayer_->currentText());
    chosen.gameCode = cboGame_->currentData().toInt();
    chosen.gameName = ToUtf8(cboGame_->currentText());
    return chosen;
}

bool TfrmClearStatistics::btnOKClick() {
    if (!ClearStatisticsAsked(program_.dataFiles(), program_.settings(), program_.platform().messages, choice())) {
        return false;
    }
    accept();
    return true;
}

bool ShowClearStatistics(Program& program, std::string_view player, int gameCode, QWidget* parent) {
    TfrmClearStatistics dialog(program, player, gameCode, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace dravicor
