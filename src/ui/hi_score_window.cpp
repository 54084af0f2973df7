#include "ui/hi_score_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/program.h"
#include "stats/game_log.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"

namespace dravicor {

TfrmHiScore::TfrmHiScore(Program& program, HiScoreMode mode, int placeIndex, std::string message, int gameCode,
                         QWidget* parent)
    : QDialog(parent),
      program_(program),
      mode_(mode),
      placeIndex_(placeIndex),
      message_(std::move(message)),
      gameCode_(gameCode >= 0 ? gameCode : static_cast<int>(program.settings().getNumber(Field::CurrentGame))) {
    FormCreate();
    refresh();
}

void TfrmHiScore::FormCreate() {
    setObjectName(QStringLiteral("TfrmHiScore"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    grdScores_ = NewRecordsGrid(this, "grdScores",
                                {QStringLiteral("N."), QStringLiteral("Player"), QStringLiteral("Score"),
                                 QStringLiteral("Time"), QStringLiteral("W/L"), QStringLiteral("Date"),
                                 QStringLiteral("Game number")});
    left->addWidget(grdScores_, 1);
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    left->addWidget(ok, 0, Qt::AlignRight);
    columns->addLayout(left, 3);

    lsbGames_ = new QListWidget(this);
    lsbGames_->setObjectName(QStringLiteral("lsbGames"));
    choices_ = GamesByName(program_.gameList(), program_.customGameFile().list());
    for (const GameChoice& game : choices_) lsbGames_->addItem(ToQString(game.name));
    for (size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i].code == gameCode_) lsbGames_->setCurrentRow(static_cast<int>(i));
    }
    connect(lsbGames_, &QListWidget::currentRowChanged, this, &TfrmHiScore::lsbGamesChange);
    columns->addWidget(lsbGames_, 1);

    auto* clear = new QAction(QStringLiteral("Clear scores"), this);
    clear->setObjectName(QStringLiteral("mnuClearScores"));
    connect(clear, &QAction::triggered, this, &TfrmHiScore::mnuClearScoresClick);
    grdScores_->addAction(clear);
    grdScores_->setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(820, 480);
}

void TfrmHiScore::lsbGamesChange() {
    const int row = lsbGames_->currentRow();
    if (row < 0) return;
    gameCode_ = choices_[static_cast<size_t>(row)].code;
    // The compliment was for the deal just played, not for this game.
    message_.clear();
    placeIndex_ = -1;
    refresh();
}

void TfrmHiScore::refresh() {
    const DealEnd now = DealEndAt(program_.platform().clock.now(), 0);
    // With no game current there is no table to read (nor to seed).
    const HiScoreTable table =
        gameCode_ < 0 ? HiScoreTable{}
                      : ReadHiScoreTable(program_.dataFiles(), gameCode_, program_.settings().get(Field::ScoringSystem),
                                         program_.records().referenceValue(gameCode_), now);
    ResizeRecordsGrid(*grdScores_, kHiScorePlaces);
    for (int place = 0; place < kHiScorePlaces; ++place) {
        const HiScoreCells cells = HiScoreCellsOf(place, ParseHiScoreEntry(table[static_cast<size_t>(place)]));
        SetGridRow(*grdScores_, place,
                   {ToQString(cells[0]), ToQString(cells[1]), ToQString(cells[2]), ToQString(cells[3]),
                    ToQString(cells[4]), ShortDateText(cells[5]), ToQString(cells[6])});
    }
    if (placeIndex_ >= 0 && placeIndex_ < kHiScorePlaces) grdScores_->selectRow(placeIndex_);
    const std::string gameName = GameNameOf(program_.gameList(), gameCode_, program_.customGames());
    setWindowTitle(ToQString(message_.empty() ? HiScoreTitle(gameName) : message_));
}

bool TfrmHiScore::mnuClearScoresClick() {
    if (!ClearHiScores(program_.dataFiles(), program_.platform().messages)) return false;
    refresh();
    return true;
}

void TfrmHiScore::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (sounded_) return;
    sounded_ = true;
    const std::string sound = HiScoreSound(program_.settings(), mode_);
    if (!sound.empty()) program_.platform().sound.play(sound, SoundMode::Async);
}

void ShowHiScores(Program& program, HiScoreMode mode, int placeIndex, const std::string& message, int gameCode,
                  QWidget* parent) {
    TfrmHiScore window(program, mode, placeIndex, message, gameCode, parent);
    window.exec();
}

bool ShowNewHiScore(Program& program, QWidget* parent) {
    const std::optional<NewHiScore> entry = program.records().takeNewHiScore();
    if (!entry) return false;
    const std::optional<std::string> title = NewHiScoreTitle(program.settings(), entry->place, entry->gameName);
    if (!title) return false;
    ShowHiScores(program, HiScoreMode::NewEntry, entry->place, *title, entry->gameCode, parent);
    return true;
}

}  // namespace dravicor
