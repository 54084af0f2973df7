#include "ui/favourites_dialog.h"

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"
#include "ui/dialog_buttons.h"

namespace dravicor {

namespace {

std::vector<std::string> SelectedNames(const QListWidget& list) {
    std::vector<std::string> names;
    for (const QListWidgetItem* item : list.selectedItems()) names.push_back(ToUtf8(item->text()));
    return names;
}

// Every game of the catalogue's list and every customized game.
std::vector<std::string> AllGameNames(Program& program) {
    std::vector<std::string> names;
    for (const int code : ListedGameCodes(program.gameList())) {
        names.push_back(GameNameOf(program.gameList(), code, program.customGames()));
    }
    for (const CustomGame& game : program.customGameFile().list()) names.push_back(game.name);
    return names;
}

QPushButton* MoveButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedWidth(40);
    return button;
}

}  // namespace

GameNameList::GameNameList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    // The lists are rebuilt from the choice after a drop; a move would have
    // the source list remove the items itself.
    setDefaultDropAction(Qt::CopyAction);
}

bool GameNameList::fromPartner(const QDropEvent* event) const {
    return partner_ != nullptr && event->source() == partner_;
}

void GameNameList::dragEnterEvent(QDragEnterEvent* event) {
    if (fromPartner(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void GameNameList::dragMoveEvent(QDragMoveEvent* event) {
    if (fromPartner(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void GameNameList::dropEvent(QDropEvent* event) {
    if (!fromPartner(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit namesDropped();
}

TfrmFavorite::TfrmFavorite(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    choice_ = std::make_unique<FavouritesChoice>(AllGameNames(program), ConfigFile(program.settings()),
                                                 program.gameList(), program.customGames());
    FormCreate();
    showLists();
}

TfrmFavorite::~TfrmFavorite() = default;

void TfrmFavorite::FormCreate() {
    setObjectName(QStringLiteral("frmFavorite"));
    setWindowTitle(QStringLiteral("Favorite games"));

    lbAll_ = new GameNameList(this);
    lbAll_->setObjectName(QStringLiteral("lbAll"));
    lbSelected_ = new GameNameList(this);
    lbSelected_->setObjectName(QStringLiteral("lbSelected"));
    lbAll_->setPartner(lbSelected_);
    lbSelected_->setPartner(lbAll_);
    for (GameNameList* list : {lbAll_, lbSelected_}) list->setMinimumSize(200, 260);

    auto* lblAll = new QLabel(QStringLiteral("&Games list:"), this);
    lblAll->setBuddy(lbAll_);
    auto* lblSelected = new QLabel(QStringLiteral("&Favorite games:"), this);
    lblSelected->setBuddy(lbSelected_);

    auto* btnAdd = MoveButton("btnAdd", QStringLiteral(">"), this);
    auto* btnRemove = MoveButton("btnRemove", QStringLiteral("<"), this);
    auto* btnRemoveAll = MoveButton("btnRemoveAll", QStringLiteral("<<"), this);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(btnAdd);
    moves->addWidget(btnRemove);
    moves->addSpacing(12);
    moves->addWidget(btnRemoveAll);
    moves->addStretch();

    const DialogButtons row = MakeOkCancelHelp(this);
    QDialogButtonBox* buttons = row.box;
    QPushButton* btnOK = row.ok;
    QPushButton* btnCancel = row.cancel;
    btnHelp_ = row.help;

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblAll, 0, 0);
    grid->addWidget(lblSelected, 0, 2);
    grid->addWidget(lbAll_, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(lbSelected_, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 3);

    connect(btnAdd, &QPushButton::clicked, this, &TfrmFavorite::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmFavorite::btnRemoveClick);
    connect(btnRemoveAll, &QPushButton::clicked, this, &TfrmFavorite::btnRemoveAllClick);
    connect(lbAll_, &QListWidget::itemDoubleClicked, this, &TfrmFavorite::btnAddClick);
    connect(lbSelected_, &QListWidget::itemDoubleClicked, this, &TfrmFavorite::btnRemoveClick);
    connect(lbSelected_, &GameNameList::namesDropped, this, &TfrmFavorite::btnAddClick);
    connect(lbAll_, &GameNameList::namesDropped, this, &TfrmFavorite::btnRemoveClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmFavorite::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });
}

void TfrmFavorite::setHelp(std::function<void()> help) {
    help_ = std::move(help);
    btnHelp_->setEnabled(static_cast<bool>(help_));
}

void TfrmFavorite::showLists() {
    const auto fill = [](QListWidget& list, const std::vector<std::string>& names) {
        list.clear();
        for (const std::string& name : names) list.addItem(ToQString(name));
    };
    fill(*lbAll_, choice_->games());
    fill(*lbSelected_, choice_->favourites());
}

void TfrmFavorite::btnAddClick() {
    choice_->add(SelectedNames(*lbAll_));
    showLists();
}

void TfrmFavorite::btnRemoveClick() {
    choice_->remove(SelectedNames(*lbSelected_));
    showLists();
}

void TfrmFavorite::btnRemoveAllClick() {
    choice_->removeAll();
    showLists();
}

void TfrmFavorite::btnOKClick() {
    ProfileFile config = ConfigFile(program_.settings());
    if (SaveFavourites(config, choice_->favourites(), program_.platform().messages)) accept();
}

}  // namespace dravicor
