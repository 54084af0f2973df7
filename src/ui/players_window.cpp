#include "ui/players_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "common/product.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/player_name_dialog.h"
#include "ui/qt_text.h"
#include "ui/dialog_buttons.h"

namespace dravicor {

TfrmPlayers::TfrmPlayers(Program& program, QWidget* parent)
    : QDialog(parent),
      program_(program),
      context_{ConfigFile(program.settings()), program.settings(), program.dataFiles(), program.platform()} {
    askName_ = [this](const QString& title, const std::string& name) {
        return TfrmPlayerName(title, name, this).run();
    };
    FormCreate();
}

void TfrmPlayers::FormCreate() {
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(QStringLiteral("Players"));

    lsbPlayers_ = new QListWidget(this);
    lsbPlayers_->setObjectName(QStringLiteral("lsbPlayers"));
    lsbPlayers_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* label = new QLabel(QStringLiteral("&Select a player:"), this);
    label->setBuddy(lsbPlayers_);
    connect(lsbPlayers_, &QListWidget::itemSelectionChanged, this, &TfrmPlayers::updateButtons);
    connect(lsbPlayers_, &QListWidget::itemDoubleClicked, this, &TfrmPlayers::btnOKClick);
    lsbPlayers_->installEventFilter(this);

    auto* btnNew = new QPushButton(QStringLiteral(" &New"), this);
    btnNew->setObjectName(QStringLiteral("btnNew"));
    btnEdit_ = new QPushButton(QStringLiteral("&Edit"), this);
    btnEdit_->setObjectName(QStringLiteral("btnEdit"));
    btnDelete_ = new QPushButton(QStringLiteral("&Delete"), this);
    btnDelete_->setObjectName(QStringLiteral("btnDelete"));
    connect(btnNew, &QPushButton::clicked, this, &TfrmPlayers::btnNewClick);
    connect(btnEdit_, &QPushButton::clicked, this, &TfrmPlayers::btnEditClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TfrmPlayers::btnDeleteClick);
    for (QPushButton* button : {btnNew, btnEdit_, btnDelete_}) button->setAutoDefault(false);

    const DialogButtons row = MakeOkCancelHelp(this);
    QDialogButtonBox* buttons = row.box;
    QPushButton* btnOK = row.ok;
    QPushButton* btnCancel = row.cancel;
    btnHelp_ = row.help;
    connect(btnOK, &QPushButton::clicked, this, &TfrmPlayers::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    auto* side = new QVBoxLayout;
    side->addWidget(btnNew);
    side->addWidget(btnEdit_);
    side->addWidget(btnDelete_);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(lsbPlayers_);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(middle);
    layout->addWidget(buttons);
}

// In the list, Delete deletes and Insert adds.
bool TfrmPlayers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lsbPlayers_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            btnDeleteClick();
            return true;
        }
        if (key == Qt::Key_Insert) {
            btnNewClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPlayers::setHelp(std::function<void()> help) {
    help_ = std::move(help);
    btnHelp_->setEnabled(static_cast<bool>(help_));
}

void TfrmPlayers::FormShow() {
    list_ = PlayerList::Load(context_.config);
    playerChanged_ = false;
    fillList(CurrentPlayer(program_.settings()));
    lsbPlayers_->setFocus();
}

void TfrmPlayers::fillList(const std::string& select) {
    lsbPlayers_->clear();
    for (const std::string& name : list_.names()) {
        auto* item = new QListWidgetItem(ToQString(name), lsbPlayers_);
        if (name == select) lsbPlayers_->setCurrentItem(item);
    }
    updateButtons();
}

std::string TfrmPlayers::selectedName() const {
    const QList<QListWidgetItem*> selected = lsbPlayers_->selectedItems();
    return selected.isEmpty() ? std::string() : ToUtf8(selected.front()->text());
}

void TfrmPlayers::updateButtons() {
    const bool any = !lsbPlayers_->selectedItems().isEmpty();
    btnEdit_->setEnabled(any);
    btnDelete_->setEnabled(any);
}

void TfrmPlayers::showMessage(std::string_view text) {
    program_.platform().messages.showMessage(text, kProductName, MessageIcon::Information);
}

bool TfrmPlayers::AsksAgain(const PlayerResult& result) {
    return result.outcome == PlayerOutcome::EmptyName || result.outcome == PlayerOutcome::NameExists;
}

void TfrmPlayers::btnNewClick() {
    std::string entered;
    for (;;) {
        const std::optional<std::string> name = askName_(QStringLiteral("Add a player"), entered);
        if (!name) return;
        entered = *name;
        const PlayerResult result = AddPlayer(list_, entered);
        if (AsksAgain(result)) {
            showMessage(result.message());
            continue;
        }
        if (result.done()) fillList(result.select);
        return;
    }
}

void TfrmPlayers::btnEditClick() {
    const std::string oldName = selectedName();
    if (oldName.empty()) return;
    std::string entered = oldName;
    for (;;) {
        const std::optional<std::string> name = askName_(QStringLiteral("Edit a player"), entered);
        if (!name) return;
        entered = *name;
        const PlayerResult result = RenamePlayer(context_, list_, oldName, entered);
        if (AsksAgain(result)) {
            showMessage(result.message());
            continue;
        }
        if (result.done()) fillList(result.select);
        return;
    }
}

void TfrmPlayers::btnDeleteClick() {
    const std::string name = selectedName();
    if (name.empty()) return;
    const PlayerResult result = DeletePlayer(context_, list_, name);
    if (result.outcome == PlayerOutcome::CurrentPlayer) showMessage(result.message());
    if (result.done()) fillList(result.select);
}

void TfrmPlayers::btnOKClick() {
    const std::string name = selectedName();
    if (name.empty()) {
        showMessage(PlayerText::NoSelection);
        return;
    }
    const PlayerResult result = ChoosePlayer(context_, program_.engine(), list_, name);
    switch (result.outcome) {
        case PlayerOutcome::Cancelled:
            return;
        case PlayerOutcome::NoSelection:
            showMessage(result.message());
            return;
        default:
            playerChanged_ = result.playerChanged;
            accept();
            return;
    }
}

bool TfrmPlayers::run() {
    FormShow();
    exec();
    SavePlayers(context_, list_);
    return playerChanged_;
}

}  // namespace dravicor
