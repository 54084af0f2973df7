#include "ui/game_log_window.h"

#include <algorithm>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "stats/game_log.h"
#include "stats/game_log_rows.h"
#include "stats/statistics_choices.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"

namespace dravicor {

TfrmLogStatistics::TfrmLogStatistics(Program& program, std::string_view player, std::string_view gameName,
                                     std::function<void()> help, QWidget* parent)
    : QDialog(parent), program_(program), help_(std::move(help)) {
    FormCreate();
    fillChoices(player, gameName);
    refresh();
}

void TfrmLogStatistics::FormCreate() {
    setObjectName(QStringLiteral("TfrmLogStatistics"));
    setWindowTitle(QStringLiteral("Log statistics"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    const PlayerAndGameChoosers choosers = NewPlayerAndGameChoosers(this);
    cboPlayer_ = choosers.player;
    cboGame_ = choosers.game;
    QLabel* playerLabel = choosers.playerLabel;
    QLabel* gameLabel = choosers.gameLabel;
    choices->addWidget(playerLabel);
    choices->addWidget(cboPlayer_, 2);
    choices->addSpacing(12);
    choices->addWidget(gameLabel);
    choices->addWidget(cboGame_, 3);
    layout->addLayout(choices);

    grdLog_ = NewRecordsGrid(this, "grdLog",
                             {QStringLiteral("Date"), QStringLiteral("Start"), QStringLiteral("Time"),
                              QStringLiteral("Game"), QStringLiteral("W/L"), QStringLiteral("Score"),
                              QStringLiteral("Player"), QStringLiteral("Game number"),
                              QStringLiteral("Hints")});
    layout->addWidget(grdLog_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = NewDialogButton(this, QStringLiteral("&?"), "btnHelp");
    helpButton->setEnabled(static_cast<bool>(help_));
    connect(helpButton, &QPushButton::clicked, this, [this] { help_(); });
    buttons->addWidget(ok);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);
    resize(880, 420);
}

void TfrmLogStatistics::fillChoices(std::string_view player, std::string_view gameName) {
    cboPlayer_->addItem(ToQString(kAllPlayers));
    const PlayerList players = PlayerList::Load(ConfigFile(program_.settings()));
    const std::string wanted = player == kAllPlayers ? std::string() : NormalisePlayerName(player);
    for (const std::string& name : PlayerChoices(players.names(), wanted)) {
        if (!name.empty()) cboPlayer_->addItem(ToQString(name));
    }
    cboPlayer_->setCurrentIndex(std::max(0, cboPlayer_->findText(ToQString(player))));

    cboGame_->addItem(ToQString(kAllGames));
    for (const GameChoice& game : GamesByName(program_.gameList(), program_.customGameFile().list())) {
        cboGame_->addItem(ToQString(game.name));
    }
    cboGame_->setCurrentIndex(std::max(0, cboGame_->findText(ToQString(gameName))));

    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmLogStatistics::refresh);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &TfrmLogStatistics::refresh);
}

void TfrmLogStatistics::refresh() {
    BusyScope busy(program_.platform().cursor);
    const std::vector<GameLogRow> rows = GameLogRows(ReadGameLog(program_.dataFiles()),
                                                     ToUtf8(cboPlayer_->currentText()),
                                                     ToUtf8(cboGame_->currentText()));
    ResizeRecordsGrid(*grdLog_, static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const GameLogRow& row = rows[i];
        SetGridRow(*grdLog_, static_cast<int>(i),
                   {ShortDateText(row.date), ToQString(row.start), ToQString(row.time), ToQString(row.game),
                    ToQString(row.result), ToQString(row.score), ToQString(row.player), ToQString(row.gameNumber),
                    ToQString(row.hints)});
    }
    // Nine columns of one width do not fit: each gets the width its texts need.
    grdLog_->resizeColumnsToContents();
}

void ShowGameLog(Program& program, std::string_view player, std::string_view gameName, QWidget* parent) {
    TfrmLogStatistics window(program, player, gameName, {}, parent);
    window.exec();
}

}  // namespace dravicor
