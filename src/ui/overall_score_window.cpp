#include "ui/overall_score_window.h"

#include <algorithm>

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/program.h"
#include "stats/hi_scores.h"
#include "stats/statistics_choices.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"

namespace dravicor {

namespace {

// The grid keeps this many rows however few players there are.
constexpr int kOverallMinimumRows = 10;

QString NonZero(long long value) { return value != 0 ? QString::number(value) : QString(); }

}  // namespace

int OverallCatalogueSize(const Program& program) { return static_cast<int>(program.gameList().lines.size()); }

TfrmOverallScore::TfrmOverallScore(Program& program, PublishOverallScores publish, QWidget* parent)
    : QDialog(parent), program_(program), publish_(std::move(publish)) {
    FormCreate();
    refresh();
}

void TfrmOverallScore::FormCreate() {
    setObjectName(QStringLiteral("TfrmOverallScore"));
    setWindowTitle(QStringLiteral("Overall score"));
    auto* columns = new QHBoxLayout(this);
    grdScores_ = NewRecordsGrid(this, "grdScores",
                                {QStringLiteral("N."), QStringLiteral("Player"), QStringLiteral("Score"),
                                 QStringLiteral("Time")});
    columns->addWidget(grdScores_, 1);

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](const char* objectName, const QString& caption) {
        auto* button = NewDialogButton(this, caption, objectName);
        buttons->addWidget(button);
        return button;
    };
    connect(addButton("btnDetails", QStringLiteral("Details...")), &QPushButton::clicked, this,
            &TfrmOverallScore::btnDetailsClick);
    QPushButton* publish = addButton("btnPublish", QStringLiteral("Publish on Internet..."));
    publish->setEnabled(static_cast<bool>(publish_));
    connect(publish, &QPushButton::clicked, this, &TfrmOverallScore::btnPublishClick);
    buttons->addStretch(1);
    QPushButton* ok = addButton("btnOK", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    columns->addLayout(buttons);

    auto* clear = new QAction(QStringLiteral("Clear Hi-Scores..."), this);
    clear->setObjectName(QStringLiteral("mnuClearHiScores"));
    connect(clear, &QAction::triggered, this, &TfrmOverallScore::mnuClearHiScoresClick);
    grdScores_->addAction(clear);
    grdScores_->setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(560, 360);
}

void TfrmOverallScore::refresh() {
    ranking_ = ReadOverallScores(program_.dataFiles(), program_.platform().messages, OverallCatalogueSize(program_));
    ResizeRecordsGrid(*grdScores_, std::max(kOverallMinimumRows, static_cast<int>(ranking_.size())));
    for (size_t i = 0; i < ranking_.size(); ++i) {
        const OverallRank& rank = ranking_[i];
        SetGridRow(*grdScores_, static_cast<int>(i),
                   {QString::number(i + 1), ToQString(rank.player), QString::number(rank.score),
                    QString::number(rank.seconds)});
    }
    if (!ranking_.empty()) grdScores_->selectRow(0);
}

bool TfrmOverallScore::btnDetailsClick() {
    const int row = grdScores_->currentRow();
    if (row < 0 || row >= static_cast<int>(ranking_.size())) return false;
    TfrmOverallDetails details(program_, ranking_[static_cast<size_t>(row)].player, this);
    details.exec();
    return true;
}

bool TfrmOverallScore::btnPublishClick() {
    const int row = grdScores_->currentRow();
    if (!publish_ || row < 0 || row >= static_cast<int>(ranking_.size())) {
        program_.platform().messages.beep();
        return false;
    }
    publish_(ranking_[static_cast<size_t>(row)]);
    return true;
}

bool TfrmOverallScore::mnuClearHiScoresClick() {
    const bool cleared = ClearHiScores(program_.dataFiles(), program_.platform().messages);
    refresh();
    return cleared;
}

TfrmOverallDetails::TfrmOverallDetails(Program& program, const std::string& player, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmOverallDetails"));
    setWindowTitle(ToQString("Overall score details [" + player + "]"));
    auto* layout = new QVBoxLayout(this);
    grdDetails_ = NewRecordsGrid(this, "grdDetails",
                                 {QStringLiteral("Game"), QStringLiteral("Score"), QStringLiteral("Time"),
                                  QStringLiteral("Max score")});
    layout->addWidget(grdDetails_, 1);
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);

    // The catalogue's games only: customized games have no place in the totals.
    const std::vector<GameChoice> games = GamesByName(program.gameList(), {});
    std::vector<int> codes;
    for (const GameChoice& game : games) codes.push_back(game.code);
    const std::vector<OverallDetail> details =
        ReadOverallDetails(program.dataFiles(), program.platform().messages, player, codes);
    ResizeRecordsGrid(*grdDetails_, static_cast<int>(games.size()));
    for (size_t i = 0; i < games.size(); ++i) {
        const OverallDetail detail = i < details.size() ? details[i] : OverallDetail{};
        SetGridRow(*grdDetails_, static_cast<int>(i),
                   {ToQString(games[i].name), NonZero(detail.score), NonZero(detail.seconds)});
    }
    resize(520, 480);
}

void ShowOverallScore(Program& program, const PublishOverallScores& publish, QWidget* parent) {
    TfrmOverallScore window(program, publish, parent);
    window.exec();
}

}  // namespace dravicor
