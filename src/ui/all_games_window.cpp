#include "ui/all_games_window.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"

namespace dravicor {

TfrmAllGamesStatistics::TfrmAllGamesStatistics(Program& program, std::string_view player, QWidget* parent)
    : QDialog(parent), program_(program), games_(GamesByName(program.gameList(), program.customGameFile().list())) {
    FormCreate();
    const std::string wanted = NormalisePlayerName(player);
    const PlayerList players = PlayerList::Load(ConfigFile(program_.settings()));
    for (const std::string& name : PlayerChoices(players.names(), wanted)) cboPlayer_->addItem(ToQString(name));
    cboPlayer_->setCurrentIndex(std::max(0, cboPlayer_->findText(ToQString(wanted))));
    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmAllGamesStatistics::refresh);
    refresh();
}

void TfrmAllGamesStatistics::FormCreate() {
    setObjectName(QStringLiteral("TfrmAllGamesStatistics"));
    setWindowTitle(QStringLiteral("All games statistics"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    cboPlayer_ = new QComboBox(this);
    cboPlayer_->setObjectName(QStringLiteral("cboPlayer"));
    auto* label = new QLabel(QStringLiteral("&Player:"), this);
    label->setBuddy(cboPlayer_);
    top->addWidget(label);
    top->addWidget(cboPlayer_, 1);

    auto* group = new QGroupBox(QStringLiteral("Statistics values: "), this);
    group->setObjectName(QStringLiteral("grpValues"));
    auto* radios = new QHBoxLayout(group);
    rbtValues_ = new QButtonGroup(this);
    const std::pair<const char*, const char*> captions[] = {
        {"rbtTotal", "&Total"}, {"rbtSession", "&Current session"}, {"rbtSeries", "&Series"}};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(captions[i].second), group);
        radio->setObjectName(QLatin1String(captions[i].first));
        rbtValues_->addButton(radio, i);
        radios->addWidget(radio);
    }
    rbtValues_->button(0)->setChecked(true);
    connect(rbtValues_, &QButtonGroup::idClicked, this, &TfrmAllGamesStatistics::refresh);
    top->addWidget(group);
    layout->addLayout(top);

    grdGames_ = NewRecordsGrid(this, "grdGames",
                               {QStringLiteral("Game"), QStringLiteral("Won"), QStringLiteral("Lost"),
                                QStringLiteral("Percent")});
    layout->addWidget(grdGames_, 1);
    auto* ok = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(560, 480);
}

void TfrmAllGamesStatistics::choose(AllGamesValues values) {
    rbtValues_->button(static_cast<int>(values))->setChecked(true);
    refresh();
}

void TfrmAllGamesStatistics::refresh() {
    BusyScope busy(program_.platform().cursor);
    const auto values = static_cast<AllGamesValues>(std::max(0, rbtValues_->checkedId()));
    const std::vector<AllGamesRow> rows = AllGamesRows(program_.dataFiles(), program_.settings(), games_,
                                                       ToUtf8(cboPlayer_->currentText()), values);
    ResizeRecordsGrid(*grdGames_, static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const AllGamesRow& row = rows[i];
        SetGridRow(*grdGames_, static_cast<int>(i),
                   {ToQString(row.game), ToQString(row.won), ToQString(row.lost), ToQString(row.third)});
    }
}

void ShowAllGamesStatistics(Program& program, std::string_view player, QWidget* parent) {
    TfrmAllGamesStatistics window(program, player, parent);
    window.exec();
}

}  // namespace dravicor
