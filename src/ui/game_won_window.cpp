#include "ui/game_won_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "shell/program.h"
#include "ui/qt_text.h"
#include "ui/results_group.h"

namespace dravicor {

namespace {

int CurrentGame(const Program& program) { return static_cast<int>(program.settings().getNumber(Field::CurrentGame)); }

}  // namespace

TfrmGameWon::TfrmGameWon(Program& program, GameWonLinks links, QWidget* parent)
    : QDialog(parent), program_(program), links_(std::move(links)), texts_(StatisticsTexts::Load(program.settings())) {
    FormCreate();
    refresh();
}

void TfrmGameWon::FormCreate() {
    setObjectName(QStringLiteral("TfrmGameWon"));
    setWindowTitle(QStringLiteral("Game won"));
    auto* columns = new QHBoxLayout(this);
    grpTotal_ = new ResultsGroup("grpTotal", true, this);
    columns->addWidget(grpTotal_, 1);

    auto* buttons = new QVBoxLayout;
    columns->addLayout(buttons);
    QPushButton* newGame = addButton(buttons, "btnNewGame", "New game...");
    newGame->setDefault(true);
    connect(newGame, &QPushButton::clicked, this, [this] { choose(GameWonChoice::NewGame); });
    connect(addButton(buttons, "btnRestartGame", "Restart game..."), &QPushButton::clicked, this,
            [this] { choose(GameWonChoice::RestartGame); });

    QPushButton* open = addButton(buttons, "btnOpenGame", "Open a game...");
    open->setEnabled(static_cast<bool>(links_.openGame));
    connect(open, &QPushButton::clicked, this, [this] { btnOpenClick(links_.openGame, GameWonChoice::OpenGame); });
    QPushButton* select = addButton(buttons, "btnSelectGame", "Select game... ");
    select->setEnabled(static_cast<bool>(links_.selectGame));
    connect(select, &QPushButton::clicked, this,
            [this] { btnOpenClick(links_.selectGame, GameWonChoice::SelectGame); });

    connect(addButton(buttons, "btnStatistics", " Statistics...     "), &QPushButton::clicked, this,
            &TfrmGameWon::btnStatisticsClick);
    buttons->addStretch(1);
    connect(addButton(buttons, "btnCancel", "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* TfrmGameWon::addButton(QBoxLayout* column, const char* objectName, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

void TfrmGameWon::refresh() {
    const SettingsRecord& settings = program_.settings();
    const StatisticsView view =
        ReadStatistics(program_.dataFiles(), settings, CurrentGame(program_), CurrentPlayer(settings));
    const ResultFigures total = ResultFiguresOf(view.record.won, view.record.lost);
    grpTotal_->showFigures(ToQString(TotalGroupTitle(texts_, settings.get(Field::CurrentGameName))), total,
                           ResultsPie(total, texts_));
}

void TfrmGameWon::choose(GameWonChoice choice) {
    choice_ = choice;
    accept();
}

void TfrmGameWon::btnOpenClick(const std::function<bool()>& open, GameWonChoice choice) {
    if (open && open()) choose(choice);
}

void TfrmGameWon::btnStatisticsClick() {
    ShowStatistics(program_, CurrentPlayer(program_.settings()), CurrentGame(program_), links_.statistics, this);
    refresh();
}

GameWonChoice ShowGameWon(Program& program, const GameWonLinks& links, QWidget* parent) {
    TfrmGameWon window(program, links, parent);
    window.exec();
    return window.choice();
}

}  // namespace dravicor
