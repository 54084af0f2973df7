#include "ui/players_statistics_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/chart_maker.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"

namespace dravicor {

TfrmPlayersStatistics::TfrmPlayersStatistics(Program& program, int gameCode, QWidget* parent)
    : QDialog(parent),
      program_(program),
      games_(GamesByName(program.gameList(), program.customGameFile().list())),
      gameCode_(gameCode) {
    FormCreate();
    refresh();
}

void TfrmPlayersStatistics::FormCreate() {
    setObjectName(QStringLiteral("TfrmPlayersStatistics"));
    setWindowTitle(QStringLiteral("Players statistics"));
    auto* columns = new QHBoxLayout(this);
    lsbGames_ = new QListWidget(this);
    lsbGames_->setObjectName(QStringLiteral("lsbGames"));
    for (size_t i = 0; i < games_.size(); ++i) {
        lsbGames_->addItem(ToQString(games_[i].name));
        if (games_[i].code == gameCode_) lsbGames_->setCurrentRow(static_cast<int>(i));
    }
    connect(lsbGames_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        gameCode_ = games_[static_cast<size_t>(row)].code;
        refresh();
    });
    columns->addWidget(lsbGames_, 1);

    auto* right = new QVBoxLayout;
    auto* group = new QGroupBox(QStringLiteral("Series values "), this);
    group->setObjectName(QStringLiteral("grpValues"));
    auto* radios = new QHBoxLayout(group);
    rbtValues_ = new QButtonGroup(this);
    auto* percent = new QRadioButton(QStringLiteral("% Games &won"), group);
    percent->setObjectName(QStringLiteral("rbtPercentWon"));
    auto* average = new QRadioButton(QStringLiteral("&Average score"), group);
    average->setObjectName(QStringLiteral("rbtAverageScore"));
    rbtValues_->addButton(percent, static_cast<int>(PlayerValueKind::PercentWon));
    rbtValues_->addButton(average, static_cast<int>(PlayerValueKind::AverageScore));
    radios->addWidget(percent);
    radios->addWidget(average);
    percent->setChecked(true);
    connect(rbtValues_, &QButtonGroup::idClicked, this, &TfrmPlayersStatistics::refresh);
    right->addWidget(group);
    if (ChartMaker* charts = LoadChartMaker()) {
        chtPlayers_ = charts->newPlayersBars(this);
        chtPlayers_->widget()->setObjectName(QStringLiteral("chtPlayers"));
        right->addWidget(chtPlayers_->widget(), 1);
    } else {
        right->addStretch(1);
    }
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    right->addWidget(ok, 0, Qt::AlignRight);
    columns->addLayout(right, 2);
    resize(760, 440);
}

void TfrmPlayersStatistics::choose(PlayerValueKind kind) {
    rbtValues_->button(static_cast<int>(kind))->setChecked(true);
    refresh();
}

void TfrmPlayersStatistics::chooseGame(int gameCode) {
    for (size_t i = 0; i < games_.size(); ++i) {
        if (games_[i].code == gameCode) lsbGames_->setCurrentRow(static_cast<int>(i));
    }
}

void TfrmPlayersStatistics::refresh() {
    const auto kind = static_cast<PlayerValueKind>(rbtValues_->checkedId());
    const PlayerList players = PlayerList::Load(ConfigFile(program_.settings()));
    shown_ = ReadPlayersChart(program_.dataFiles(), program_.settings(), players.names(), gameCode_, kind);
    if (chtPlayers_ != nullptr) chtPlayers_->showPlayers(shown_, PlayersChartTicks(shown_.axisLow, shown_.axisHigh));
}

void ShowPlayersStatistics(Program& program, int gameCode, QWidget* parent) {
    TfrmPlayersStatistics window(program, gameCode, parent);
    window.exec();
}

}  // namespace dravicor
