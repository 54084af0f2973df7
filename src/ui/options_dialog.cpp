#include "ui/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/text.h"
#include "common/profile_file.h"
#include "engine/keyboard_play.h"
#include "shell/program.h"
#include "stats/hi_scores.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"

namespace dravicor {

namespace {

QCheckBox* NewCheckBox(const QString& text, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox* NewGroup(const QString& title, std::initializer_list<QWidget*> controls, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* control : controls) layout->addWidget(control);
    return group;
}

QWidget* NewPage(std::initializer_list<QWidget*> groups) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* group : groups) layout->addWidget(group);
    layout->addStretch();
    return page;
}

// A line of the clearing page: the label that names the button, then the
// button.
QGroupBox* NewClearGroup(const QString& title, const QString& text, QPushButton* button, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* label = new QLabel(text, group);
    label->setBuddy(button);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(label, 1);
    layout->addWidget(button);
    return group;
}

// The keys of the card table and what they do, to read.
QWidget* NewKeysPage() {
    const auto lines = KeyHelp();
    auto* grid = new QTableWidget(static_cast<int>(lines.size()), 2);
    grid->setObjectName(QStringLiteral("grdKeys"));
    grid->setHorizontalHeaderLabels({QStringLiteral("Keys"), QStringLiteral("On the table")});
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(true);
    grid->setMinimumSize(440, 300);
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        grid->setItem(row, 0, new QTableWidgetItem(ToQString(lines[static_cast<size_t>(row)].keys)));
        grid->setItem(row, 1, new QTableWidgetItem(ToQString(lines[static_cast<size_t>(row)].action)));
    }
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return NewPage({grid});
}

}  // namespace

TfrmOptions::TfrmOptions(Program& program, QWidget* parent) : QDialog(parent), program_(program) { FormCreate(); }

void TfrmOptions::FormCreate() {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgcOptions"));

    chkConfirmQuit_ = NewCheckBox(QStringLiteral("Confirm on e&xit"), QStringLiteral("chkConfirmQuit"), this);
    chkConfirmQuitGame_ =
        NewCheckBox(QStringLiteral("C&onfirm quit game"), QStringLiteral("chkConfirmQuitGame"), this);
    chkConfirmEnterHiScores_ = NewCheckBox(QStringLiteral("Show dialog box enter &Hi-Scores"),
                                           QStringLiteral("chkConfirmEnterHiScores"), this);
    chkWinningAnimation_ =
        NewCheckBox(QStringLiteral("&Winning animation"), QStringLiteral("chkWinningAnimation"), this);
    chkVertScrollBar_ = NewCheckBox(QStringLiteral("Ver&tical Scroll bar"), QStringLiteral("chkVertScrollBar"), this);
    chkShowVerdict_ = NewCheckBox(QStringLiteral("Show whether the &deal can still be won"),
                                  QStringLiteral("chkShowVerdict"), this);
    chkWinnableDeals_ = NewCheckBox(QStringLiteral("Deal only wi&nnable games"), QStringLiteral("chkWinnableDeals"), this);
    pages->addTab(NewPage({NewGroup(QStringLiteral("Dialog box "),
                                    {chkConfirmQuit_, chkConfirmQuitGame_, chkConfirmEnterHiScores_}, this),
                           chkWinningAnimation_, chkVertScrollBar_,
                           NewGroup(QStringLiteral("Solver "), {chkShowVerdict_, chkWinnableDeals_}, this)}),
                  QStringLiteral(" &General "));

    chkToolbarLarge_ = NewCheckBox(QStringLiteral("&Large buttons"), QStringLiteral("chkToolbarLarge"), this);
    chkToolbarFlat_ = NewCheckBox(QStringLiteral("&Flat buttons"), QStringLiteral("chkToolbarFlat"), this);
    chkShowTime_ = NewCheckBox(QStringLiteral("Show &time"), QStringLiteral("chkShowTime"), this);
    chkShowScore_ = NewCheckBox(QStringLiteral("Show sco&re"), QStringLiteral("chkShowScore"), this);
    chkShowToolTips_ = NewCheckBox(QStringLiteral("&Show ToolTips"), QStringLiteral("chkShowToolTips"), this);
    pages->addTab(NewPage({NewGroup(QStringLiteral("Buttons "), {chkToolbarLarge_, chkToolbarFlat_}, this),
                           NewGroup(QStringLiteral("Time / Scores options"), {chkShowTime_, chkShowScore_}, this),
                           chkShowToolTips_}),
                  QStringLiteral(" T&oolbar "));

    rbtUnlimited_ = new QRadioButton(QStringLiteral("U&nlimited levels"), this);
    rbtUnlimited_->setObjectName(QStringLiteral("rbtUnlimited"));
    rbtOneStep_ = new QRadioButton(QStringLiteral("Only &one undo/redo"), this);
    rbtOneStep_->setObjectName(QStringLiteral("rbtOneStep"));
    rbtDisable_ = new QRadioButton(QStringLiteral("Di&sable"), this);
    rbtDisable_->setObjectName(QStringLiteral("rbtDisable"));
    pages->addTab(
        NewPage({NewGroup(QStringLiteral("Undo/Redo options "), {rbtUnlimited_, rbtOneStep_, rbtDisable_}, this)}),
        QStringLiteral("&Undo/Redo"));

    auto* btnClearHiScores = new QPushButton(QStringLiteral("Clear "), this);
    btnClearHiScores->setObjectName(QStringLiteral("btnClearHiScores"));
    btnClearHiScores->setAutoDefault(false);
    connect(btnClearHiScores, &QPushButton::clicked, this, &TfrmOptions::btnClearHiScoresClick);
    btnClearStatistics_ = new QPushButton(QStringLiteral("Clear..."), this);
    btnClearStatistics_->setObjectName(QStringLiteral("btnClearStatistics"));
    btnClearStatistics_->setAutoDefault(false);
    btnClearStatistics_->setEnabled(false);
    connect(btnClearStatistics_, &QPushButton::clicked, this, [this] {
        if (clearStatistics_) clearStatistics_();
    });
    pages->addTab(NewPage({NewClearGroup(QStringLiteral("          Clear Hi-Scores "),
                                         QStringLiteral("Clic&k this button to clear all scores:"), btnClearHiScores,
                                         this),
                           NewClearGroup(QStringLiteral("          Clear statistics "),
                                         QStringLiteral("Click this button to clear &statistics:"),
                                         btnClearStatistics_, this)}),
                  QStringLiteral("Clear &values"));
    pages->addTab(NewKeysPage(), QStringLiteral("K&eys"));

    const DialogButtons row = MakeOkCancelHelp(this);
    QDialogButtonBox* buttons = row.box;
    QPushButton* btnOK = row.ok;
    QPushButton* btnCancel = row.cancel;
    btnHelp_ = row.help;
    connect(btnOK, &QPushButton::clicked, this, &TfrmOptions::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
}

void TfrmOptions::setHelp(std::function<void()> help) {
    help_ = std::move(help);
    btnHelp_->setEnabled(static_cast<bool>(help_));
}

void TfrmOptions::setClearStatistics(std::function<void()> clear) {
    clearStatistics_ = std::move(clear);
    btnClearStatistics_->setEnabled(static_cast<bool>(clearStatistics_));
}

void TfrmOptions::FormShow() {
    const OptionValues values = ReadOptions(program_.settings());
    chkConfirmQuit_->setChecked(values.confirmQuit);
    chkConfirmQuitGame_->setChecked(values.confirmQuitGame);
    chkConfirmEnterHiScores_->setChecked(values.confirmEnterHiScores);
    chkWinningAnimation_->setChecked(values.winningAnimation);
    chkVertScrollBar_->setChecked(values.vertScrollBar);
    chkToolbarLarge_->setChecked(values.toolbarLarge);
    chkToolbarFlat_->setChecked(values.toolbarFlat);
    chkShowTime_->setChecked(values.showTime);
    chkShowScore_->setChecked(values.showScore);
    chkShowToolTips_->setChecked(values.showToolTips);
    chkShowVerdict_->setChecked(values.showVerdict);
    const int game = program_.game().gameCode;
    chkWinnableDeals_->setEnabled(game != kNoGame);
    chkWinnableDeals_->setChecked(game != kNoGame && WinnableDealsWanted(program_.settings(), game));
    if (game != kNoGame) {
        chkWinnableDeals_->setText(QStringLiteral("Deal only wi&nnable games of %1")
                                       .arg(ToQString(TrimRight(program_.settings().get(Field::CurrentGameName)))));
    }
    rbtUnlimited_->setChecked(values.undo == UndoMode::Unlimited);
    rbtOneStep_->setChecked(values.undo == UndoMode::OneStep);
    rbtDisable_->setChecked(values.undo == UndoMode::Disabled);
}

OptionValues TfrmOptions::chosen() const {
    OptionValues values;
    values.confirmQuit = chkConfirmQuit_->isChecked();
    values.confirmQuitGame = chkConfirmQuitGame_->isChecked();
    values.confirmEnterHiScores = chkConfirmEnterHiScores_->isChecked();
    values.winningAnimation = chkWinningAnimation_->isChecked();
    values.vertScrollBar = chkVertScrollBar_->isChecked();
    values.toolbarLarge = chkToolbarLarge_->isChecked();
    values.toolbarFlat = chkToolbarFlat_->isChecked();
    values.showTime = chkShowTime_->isChecked();
    values.showScore = chkShowScore_->isChecked();
    values.showToolTips = chkShowToolTips_->isChecked();
    values.showVerdict = chkShowVerdict_->isChecked();
    values.undo = rbtDisable_->isChecked()   ? UndoMode::Disabled
                  : rbtOneStep_->isChecked() ? UndoMode::OneStep
                                             : UndoMode::Unlimited;
    return values;
}

void TfrmOptions::btnOKClick() {
    const OptionValues values = chosen();
    try {
        WriteOptions(program_.settings(), values);
        if (const int game = program_.game().gameCode; game != kNoGame)
            WantWinnableDeals(program_.settings(), game, chkWinnableDeals_->isChecked());
    } catch (const ProfileWriteError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return;
    }
    written_ = values;
    accept();
}

void TfrmOptions::btnClearHiScoresClick() {
    if (ClearHiScores(program_.dataFiles(), program_.platform().messages)) {
        program_.platform().messages.showMessage("Hi-Scores cleared.", kProductName, MessageIcon::Information);
    }
}

std::optional<OptionValues> TfrmOptions::run() {
    FormShow();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return written_;
}

}  // namespace dravicor
