#include "ui/statistics_window.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/results_group.h"
#include "ui/chart_maker.h"

namespace dravicor {

TfrmStatistics::TfrmStatistics(Program& program, std::string_view player, int gameCode, StatisticsLinks links,
                               QWidget* parent)
    : QDialog(parent), program_(program), links_(std::move(links)), texts_(StatisticsTexts::Load(program.settings())) {
    choice_.gameCode = gameCode;
    FormCreate();
    fillChoices(player);
    refresh();
}

void TfrmStatistics::FormCreate() {
    setObjectName(QStringLiteral("TfrmStatistics"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 1);
    left->addWidget(buildChoiceRow());

    auto* groups = new QGridLayout;
    grpTotal_ = new ResultsGroup("grpTotal", true, this);
    grpSession_ = new ResultsGroup("grpSession", false, this);
    groups->addWidget(grpTotal_, 0, 0);
    groups->addWidget(grpSession_, 0, 1);
    groups->addWidget(buildSeriesGroup(), 1, 0, 1, 2);
    groups->setColumnStretch(0, 3);
    groups->setColumnStretch(1, 2);
    left->addLayout(groups, 1);

    columns->addLayout(buildButtons());

    auto* clear = new QAction(QStringLiteral("Clear statistics"), this);
    clear->setObjectName(QStringLiteral("mnuClearStatistics"));
    clear->setEnabled(static_cast<bool>(links_.handler(StatisticsLink::ClearStatistics)));
    connect(clear, &QAction::triggered, this, [this] { follow(StatisticsLink::ClearStatistics); });
    addAction(clear);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QWidget* TfrmStatistics::buildChoiceRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto addChoice = [&](const char* objectName, const QString& caption, int stretch) {
        auto* box = new QComboBox(row);
        box->setObjectName(QLatin1String(objectName));
        auto* label = new QLabel(caption, row);
        label->setBuddy(box);
        layout->addWidget(label);
        layout->addWidget(box, stretch);
        return box;
    };
    cboPlayer_ = addChoice("cboPlayer", QStringLiteral("&Player:"), 2);
    layout->addSpacing(12);
    cboGame_ = addChoice("cboGame", QStringLiteral("&Game:"), 3);
    return row;
}

QGroupBox* TfrmStatistics::buildSeriesGroup() {
    grpSeries_ = new QGroupBox(this);
    grpSeries_->setObjectName(QStringLiteral("grpSeries"));
    auto* grid = new QGridLayout(grpSeries_);
    grid->setHorizontalSpacing(12);
    lblBestWon_ = NewFigureLabel(grpSeries_, "lblBestWon");
    lblWorstLost_ = NewFigureLabel(grpSeries_, "lblWorstLost");
    lblCurrent_ = new QLabel(grpSeries_);
    lblCurrent_->setObjectName(QStringLiteral("lblCurrent"));
    grid->addWidget(NewChartSwatch(0, grpSeries_), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Won:"), grpSeries_), 0, 1);
    grid->addWidget(lblBestWon_, 0, 2);
    grid->addWidget(NewChartSwatch(1, grpSeries_), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Lost:"), grpSeries_), 1, 1);
    grid->addWidget(lblWorstLost_, 1, 2);
    grid->addWidget(lblCurrent_, 2, 1, 1, 2);
    lblHintsUsed_ = NewFigureLabel(grpSeries_, "lblHintsUsed");
    grid->addWidget(new QLabel(QStringLiteral("Hints used:"), grpSeries_), 3, 1);
    grid->addWidget(lblHintsUsed_, 3, 2);
    grid->setRowStretch(4, 1);
    if (ChartMaker* charts = LoadChartMaker()) {
        chtSeries_ = charts->newStreakBars(grpSeries_);
        chtSeries_->widget()->setObjectName(QStringLiteral("chtSeries"));
        grid->addWidget(chtSeries_->widget(), 0, 3, 5, 1);
    }
    grid->setColumnStretch(3, 1);
    return grpSeries_;
}

QLayout* TfrmStatistics::buildButtons() {
    auto* column = new QVBoxLayout;
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok);
    column->addSpacing(8);
    // Its window is opened from the menu only: the button is there, hidden.
    addLinkButton(column, "btnOverallScore", "Overall score...", StatisticsLink::OverallScore)->setVisible(false);
    addLinkButton(column, "btnAllGames", "A&ll games...", StatisticsLink::AllGames);
    addLinkButton(column, "btnPlayersStatistics", "Pla&yers statistics...", StatisticsLink::PlayersStatistics);
    addLinkButton(column, "btnLogStatistics", "Log s&tatistics", StatisticsLink::GameLog);
    addLinkButton(column, "btnHiScores", "  &Hi-Scores...", StatisticsLink::HiScores);
    column->addStretch(1);
    addLinkButton(column, "btnHelp", "&?", StatisticsLink::Help);
    return column;
}

QPushButton* TfrmStatistics::addLinkButton(QLayout* column, const char* objectName, const char* caption,
                                           StatisticsLink link) {
    auto* button = NewDialogButton(this, QString::fromLatin1(caption), objectName);
    button->setEnabled(static_cast<bool>(links_.handler(link)));
    connect(button, &QPushButton::clicked, this, [this, link] { follow(link); });
    column->addWidget(button);
    return button;
}

void TfrmStatistics::fillChoices(std::string_view player) {
    const std::string wanted = NormalisePlayerName(player);
    const PlayerList players = PlayerList::Load(ConfigFile(program_.settings()));
    for (const std::string& name : PlayerChoices(players.names(), wanted)) cboPlayer_->addItem(ToQString(name));
    cboPlayer_->setCurrentIndex(cboPlayer_->findText(ToQString(wanted)));
    choice_.player = wanted;

    games_ = GamesByName(program_.gameList(), program_.customGameFile().list());
    for (const GameChoice& game : games_) cboGame_->addItem(ToQString(game.name), game.code);
    cboGame_->setCurrentIndex(cboGame_->findData(choice_.gameCode));
    // A game that is not listed (none current, or deleted meanwhile) is
    // shown by its code with whatever name the catalogue still gives it.
    choice_.gameName = GameNameOf(program_.gameList(), choice_.gameCode, program_.customGames());

    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::cboPlayerChange);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::cboGameChange);
}

void TfrmStatistics::cboPlayerChange() {
    choice_.player = ToUtf8(cboPlayer_->currentText());
    refresh();
}

void TfrmStatistics::cboGameChange() {
    const int index = cboGame_->currentIndex();
    if (index < 0) return;
    const GameChoice& game = games_[static_cast<size_t>(index)];
    choice_.gameCode = game.code;
    choice_.gameName = game.name;
    refresh();
}

void TfrmStatistics::refresh() {
    const StatisticsView view =
        ReadStatistics(program_.dataFiles(), program_.settings(), choice_.gameCode, choice_.player);
    const StatisticsSheet sheet = StatisticsSheetOf(view, texts_);
    setWindowTitle(ToQString(StatisticsTitle(texts_, choice_.gameName)));
    grpTotal_->showFigures(ToQString(texts_.totalGroup), sheet.total, sheet.resultsPie);
    grpSession_->showFigures(ToQString(texts_.sessionGroup), sheet.session, ResultsPie(sheet.session, texts_));
    grpSeries_->setTitle(ToQString(texts_.seriesGroup));
    lblBestWon_->setText(QString::number(sheet.bestWinStreak));
    lblWorstLost_->setText(QString::number(sheet.worstLossStreak));
    lblCurrent_->setText(ToQString(sheet.currentStreak));
    lblHintsUsed_->setText(QString::number(sheet.hintsUsed));
    if (chtSeries_ != nullptr) chtSeries_->setBars(sheet.streakBars, sheet.streakAxis);
}

void TfrmStatistics::follow(StatisticsLink link) {
    const StatisticsLinkHandler& handler = links_.handler(link);
    if (!handler) return;
    StatisticsChoice chosen = choice_;
    if (link == StatisticsLink::GameLog) {
        const GameLogFilters filters = GameLogFiltersOf(chosen.player, chosen.gameName);
        chosen.player = filters.player;
        chosen.gameName = filters.game;
    }
    handler(chosen);
    // The window followed may have cleared the statistics shown.
    refresh();
}

void ShowStatistics(Program& program, std::string_view player, int gameCode, const StatisticsLinks& links,
                    QWidget* parent) {
    TfrmStatistics window(program, player, gameCode, links, parent);
    window.exec();
}

}  // namespace dravicor
