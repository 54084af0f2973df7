#include "ui/open_game_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "players/player_list.h"
#include "savegame/open_saved_game.h"
#include "select/favourites.h"
#include "select/game_description.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/favourites_dialog.h"
#include "ui/game_description_panel.h"
#include "ui/game_tree_icons.h"
#include "ui/qt_text.h"

namespace dravicor {

namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QAction* NamedAction(const char* name, const QString& caption, const QKeySequence& shortcut, QObject* parent) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

TfrmApri::TfrmApri(Program& program, const ResourceLibrary& library, QWidget* parent)
    : QDialog(parent),
      program_(program),
      library_(library),
      allGames_(BuildAllGamesList(program.gameList())),
      tree_([this](int key) {
          const GameTreeSource source{program_.gameList(), program_.cataloguePath(), program_.customGameFile(),
                                      ConfigFile(program_.settings()).path()};
          return FolderContents(key, allGames_, source);
      }),
      icons_(std::make_unique<GameTreeIcons>(library)) {
    FormCreate();
}

TfrmApri::~TfrmApri() = default;

void TfrmApri::FormCreate() {
    setObjectName(QStringLiteral("frmApri"));
    setWindowTitle(QStringLiteral("Open a game"));

    trvGames_ = new QTreeWidget(this);
    trvGames_->setObjectName(QStringLiteral("trvGames"));
    trvGames_->setHeaderHidden(true);
    trvGames_->setColumnCount(1);
    trvGames_->setMinimumSize(270, 400);
    trvGames_->setExpandsOnDoubleClick(false);
    trvGames_->setContextMenuPolicy(Qt::CustomContextMenu);
    trvGames_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    trvGames_->installEventFilter(this);
    addItems(nullptr, tree_.roots());

    const bool fewColours = program_.platform().screen.info().colourDepth <= 8;
    description_ = new GameDescriptionPanel(library_, fewColours, this);
    description_->setObjectName(QStringLiteral("pnlDescription"));
    // Wide enough for the longest chance text, so the dialog keeps its size.
    description_->setFixedWidth(400);

    chkPreview_ = new QCheckBox(QStringLiteral("&Preview"), this);
    chkPreview_->setObjectName(QStringLiteral("chkPreview"));
    chkPreview_->setChecked(ConfigFile(program_.settings()).ReadString(kPreferenceSection, "Open_Preview_Game", "Y") !=
                            "N");

    chkWinnableDeals_ = new QCheckBox(QStringLiteral("Deal only &winnable games"), this);
    chkWinnableDeals_->setObjectName(QStringLiteral("chkWinnableDeals"));

    cboPlayers_ = new QComboBox(this);
    cboPlayers_->setObjectName(QStringLiteral("cboPlayers"));
    cboPlayers_->setMinimumWidth(180);
    auto* lblPlayers = new QLabel(QStringLiteral("Pla&yer:"), this);
    lblPlayers->setBuddy(cboPlayers_);
    auto* players = new QHBoxLayout;
    players->addWidget(lblPlayers);
    players->addWidget(cboPlayers_, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(description_);
    right->addWidget(chkPreview_);
    right->addWidget(chkWinnableDeals_);
    right->addStretch(1);
    right->addLayout(players);

    auto* top = new QHBoxLayout;
    top->addWidget(trvGames_, 1);
    top->addSpacing(8);
    top->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildButtons());
    buildContextMenu();

    connect(trvGames_, &QTreeWidget::currentItemChanged, this, &TfrmApri::trvGamesChange);
    connect(trvGames_, &QTreeWidget::itemExpanded, this, &TfrmApri::trvGamesExpanding);
    connect(trvGames_, &QTreeWidget::itemDoubleClicked, this, &TfrmApri::trvGamesDblClick);
    connect(trvGames_, &QTreeWidget::customContextMenuRequested, this, &TfrmApri::trvGamesContextPopup);
    connect(chkPreview_, &QCheckBox::toggled, this, &TfrmApri::showDescription);
    showDescription();
}

QWidget* TfrmApri::buildButtons() {
    auto* row = new QWidget(this);
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 6, 0, 0);
    auto* btnOpen = NamedButton("btnOpen", QStringLiteral("Open a sa&ved game..."), row);
    btnRules_ = NamedButton("btnRules", QStringLiteral("Rules"), row);
    btnStatistics_ = NamedButton("btnStatistics", QStringLiteral("Statistics"), row);
    btnOK_ = NamedButton("btnOK", QStringLiteral("OK"), row);
    btnOK_->setDefault(true);
    auto* btnCancel = NamedButton("btnCancel", QStringLiteral("Cancel"), row);
    btnHelp_ = NamedButton("btnHelp", QStringLiteral("&?"), row);
    btnHelp_->setEnabled(false);
    for (QPushButton* button : {btnRules_, btnStatistics_, btnOK_, btnCancel, btnHelp_}) button->setAutoDefault(false);
    btnOpen->setAutoDefault(false);

    buttons->addWidget(btnOpen);
    buttons->addSpacing(12);
    buttons->addWidget(btnRules_);
    buttons->addWidget(btnStatistics_);
    buttons->addStretch(1);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp_);

    connect(btnOpen, &QPushButton::clicked, this, &TfrmApri::btnOpenClick);
    connect(btnRules_, &QPushButton::clicked, this, &TfrmApri::btnRulesClick);
    connect(btnStatistics_, &QPushButton::clicked, this, &TfrmApri::btnStatisticsClick);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmApri::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (hooks_.showHelp) hooks_.showHelp();
    });
    return row;
}

void TfrmApri::buildContextMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuRules_ = NamedAction("mnuRules", QStringLiteral("&Rules"), {}, this);
    mnuStatistics_ = NamedAction("mnuStatistics", QStringLiteral("Statistics..."), QKeySequence(Qt::Key_F4), this);
    mnuFavorites_ =
        NamedAction("mnuFavorites", QStringLiteral("Favorite games..."), QKeySequence(Qt::CTRL | Qt::Key_F), this);
    // The tree's Delete key does the same (see eventFilter).
    mnuDeleteCustomGame_ = NamedAction("mnuDeleteCustomGame", QStringLiteral("Delete"), {}, this);
    popup_->addAction(mnuRules_);
    popup_->addAction(mnuStatistics_);
    popup_->addAction(mnuFavorites_);
    popup_->addSeparator();
    popup_->addAction(mnuDeleteCustomGame_);
    // The shortcuts work while the dialog is open.
    addAction(mnuStatistics_);
    addAction(mnuFavorites_);

    connect(mnuRules_, &QAction::triggered, this, &TfrmApri::btnRulesClick);
    connect(mnuStatistics_, &QAction::triggered, this, &TfrmApri::btnStatisticsClick);
    connect(mnuFavorites_, &QAction::triggered, this, &TfrmApri::mnuFavoritesClick);
    connect(mnuDeleteCustomGame_, &QAction::triggered, this, &TfrmApri::mnuDeleteCustomGameClick);
}

void TfrmApri::setHooks(Hooks hooks) {
    hooks_ = std::move(hooks);
    btnHelp_->setEnabled(static_cast<bool>(hooks_.showHelp));
    showDescription();
}

// --- The tree's items mirror the core's nodes ------------------------------

void TfrmApri::addItems(QTreeWidgetItem* parent, const std::vector<std::unique_ptr<GameTreeNode>>& nodes) {
    for (const auto& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(trvGames_);
        item->setText(0, ToQString(node->caption()));
        item->setIcon(0, icons_->icon(node->icon(), node->selectedIcon()));
        item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node.get())));
        item->setData(0, kKeyRole, node->key());
        addItems(item, node->children());
    }
}

int TfrmApri::KeyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toInt() : TreeKey::Placeholder;
}

GameTreeNode* TfrmApri::nodeOf(const QTreeWidgetItem* item) const {
    return item ? reinterpret_cast<GameTreeNode*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

GameTreeNode* TfrmApri::currentNode() const { return nodeOf(trvGames_->currentItem()); }

QTreeWidgetItem* TfrmApri::itemOf(int folderKey) const {
    if (!IsFolderKey(folderKey)) return nullptr;
    for (QTreeWidgetItemIterator it(trvGames_); *it != nullptr; ++it) {
        if (KeyOf(*it) == folderKey) return *it;
    }
    return nullptr;
}

QTreeWidgetItem* TfrmApri::FillFolder(QTreeWidgetItem* folder, int code) {
    GameTreeNode* node = nodeOf(folder);
    if (node == nullptr) return nullptr;
    return mirrorFill(folder, [&] { return tree_.fillFolder(*node, code); });
}

QTreeWidgetItem* TfrmApri::mirrorFill(QTreeWidgetItem* folder, const std::function<FolderFill()>& fillInCore) {
    const bool waiting = nodeOf(folder)->awaitsFilling();
    if (waiting) {
        // The placeholder's item goes before the core drops its node.
        const QSignalBlocker blocker(trvGames_);
        qDeleteAll(folder->takeChildren());
    }
    const FolderFill fill = fillInCore();
    if (waiting) {
        const QSignalBlocker blocker(trvGames_);
        addItems(folder, nodeOf(folder)->children());
    }
    if (!fill.problem.empty()) {
        program_.platform().messages.showMessage(fill.problem, kProductName, MessageIcon::Error);
    }
    for (int i = 0; i < folder->childCount(); ++i) {
        if (fill.selected != nullptr && nodeOf(folder->child(i)) == fill.selected) return folder->child(i);
    }
    return nullptr;
}

void TfrmApri::refreshFolder(int key) {
    QTreeWidgetItem* folder = itemOf(key);
    if (folder == nullptr) {
        program_.platform().messages.showMessage(OpenGameText::NodeNotFound, kProductName, MessageIcon::Information);
        return;
    }
    {
        const QSignalBlocker blocker(trvGames_);
        folder->setExpanded(false);
        qDeleteAll(folder->takeChildren());
        const auto fill = tree_.refreshFolder(key);
        addItems(folder, nodeOf(folder)->children());
        if (fill && !fill->problem.empty()) {
            program_.platform().messages.showMessage(fill->problem, kProductName, MessageIcon::Error);
        }
    }
    showDescription();
}

void TfrmApri::RefreshFavoritesFolder() { refreshFolder(TreeKey::Favourites); }

void TfrmApri::RefreshCustomizedFolder() { refreshFolder(TreeKey::Customized); }

// --- Showing ------------------------------------------------------------------

void TfrmApri::FormShow() {
    const BusyScope busy(program_.platform().cursor);
    if (!shownBefore_) {
        shownBefore_ = true;
        // The folder the current game was last chosen from opens at it.
        const int treeKey =
            ConfigFile(program_.settings()).ReadInteger(kPreferenceSection, "Game_TreeNum", TreeKey::AllGames);
        const int currentCode = program_.engine().game().gameCode;
        if (QTreeWidgetItem* folder = itemOf(treeKey)) {
            QTreeWidgetItem* current = mirrorFill(folder, [&] { return tree_.firstShowing(treeKey, currentCode); });
            if (current != nullptr) {
                for (QTreeWidgetItem* open = current->parent(); open != nullptr; open = open->parent()) {
                    open->setExpanded(true);
                }
                trvGames_->setCurrentItem(current);
                trvGames_->scrollToItem(current);
            }
        }
    }
    showDescription();
    fillPlayers();
    trvGames_->setFocus();
}

void TfrmApri::fillPlayers() {
    const std::string current = CurrentPlayer(program_.settings());
    std::vector<std::string> names = PlayerList::Load(ConfigFile(program_.settings())).names();
    if (!current.empty() && std::find(names.begin(), names.end(), current) == names.end()) {
        names.insert(names.begin(), current);
    }
    cboPlayers_->clear();
    for (const std::string& name : names) cboPlayers_->addItem(ToQString(name));
    cboPlayers_->setCurrentIndex(cboPlayers_->findText(ToQString(current), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TfrmApri::showDescription() {
    const GameTreeNode* node = currentNode();
    const bool game = node != nullptr && node->isGame();
    chkPreview_->setEnabled(game);
    chkWinnableDeals_->setEnabled(game);
    chkWinnableDeals_->setChecked(game && WinnableDealsWanted(program_.settings(), node->key()));
    btnOK_->setEnabled(game);
    btnRules_->setEnabled(game && hooks_.showRules);
    btnStatistics_->setEnabled(game && hooks_.showStatistics);
    mnuRules_->setEnabled(static_cast<bool>(hooks_.showRules));
    mnuStatistics_->setEnabled(game && hooks_.showStatistics);
    mnuDeleteCustomGame_->setEnabled(node != nullptr && node->key() >= kFirstCustomCode);
    if (!game) {
        description_->showProduct();
        return;
    }
    description_->showGame(
        DescribeGame(program_.cataloguePath(), node->key(), node->caption(), program_.customGames()),
        chkPreview_->isChecked());
}

OpenGameResult TfrmApri::run() {
    for (;;) {
        FormShow();
        pending_ = Pending::None;
        exec();
        OpenGameResult result;
        switch (pending_) {
            case Pending::None:
                return result;
            case Pending::Game:
                result.kind = OpenGameResult::Kind::Game;
                result.choice = choice_;
                result.outcome = OpenChosenGame(program_, choice_);
                return result;
            case Pending::SavedGame: {
                const auto file = OpenSavedGameFile(program_.engine(), program_.settings(), program_.platform(),
                                                    program_.savedGameCatalogue());
                if (file) {
                    result.kind = OpenGameResult::Kind::SavedGame;
                    result.savedGame = *file;
                    return result;
                }
                // Back to the choice, unless a game goes on.
                if (program_.game().inProgress) return result;
                break;
            }
        }
    }
}

// --- Commands -------------------------------------------------------------------

void TfrmApri::btnOKClick() {
    const GameTreeNode* node = currentNode();
    OpenGameChoice choice;
    if (node != nullptr) choice = ChoiceOf(*node, chkPreview_->isChecked(), ToUtf8(cboPlayers_->currentText()));
    if (!CheckGameChosen(choice, program_.platform().messages)) {
        trvGames_->setFocus();
        return;
    }
    try {
        WantWinnableDeals(program_.settings(), choice.code, chkWinnableDeals_->isChecked());
    } catch (const ProfileWriteError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
    choice_ = choice;
    pending_ = Pending::Game;
    accept();
}

void TfrmApri::btnOpenClick() {
    pending_ = Pending::SavedGame;
    accept();
}

void TfrmApri::btnRulesClick() {
    const GameTreeNode* node = currentNode();
    if (node == nullptr || !node->isGame()) {
        program_.platform().messages.showMessage(OpenGameText::SelectAGame, kProductName, MessageIcon::Information);
        return;
    }
    if (hooks_.showRules) hooks_.showRules(node->key(), node->caption());
}

void TfrmApri::btnStatisticsClick() {
    const GameTreeNode* node = currentNode();
    if (node == nullptr || !node->isGame() || !hooks_.showStatistics) return;
    hooks_.showStatistics(node->key(), ToUtf8(cboPlayers_->currentText()));
}

void TfrmApri::mnuFavoritesClick() {
    TfrmFavorite favourites(program_, this);
    if (hooks_.showHelp) favourites.setHelp(hooks_.showHelp);
    if (favourites.exec() == QDialog::Accepted) RefreshFavoritesFolder();
}

void TfrmApri::mnuDeleteCustomGameClick() {
    const GameTreeNode* node = currentNode();
    if (node == nullptr || node->key() < kFirstCustomCode) return;
    if (!DeleteCustomGame(program_, node->key(), DeleteCaller::OpenGameDialog)) return;
    // The game left the favourites too.
    RefreshCustomizedFolder();
    RefreshFavoritesFolder();
}

// --- The tree's events ------------------------------------------------------------

void TfrmApri::trvGamesChange() {
    if (QTreeWidgetItem* item = trvGames_->currentItem(); item != nullptr && nodeOf(item)->isFolder()) {
        FillFolder(item, -1);
    }
    showDescription();
}

void TfrmApri::trvGamesExpanding(QTreeWidgetItem* item) { FillFolder(item, -1); }

void TfrmApri::trvGamesDblClick(QTreeWidgetItem* item) { activate(item); }

void TfrmApri::activate(QTreeWidgetItem* item) {
    const GameTreeNode* node = nodeOf(item);
    if (node == nullptr) return;
    switch (node->key()) {
        case TreeKey::Favourites:
        case TreeKey::FavouritesPlaceholder:
            mnuFavoritesClick();
            return;
        case TreeKey::Customized:
        case TreeKey::CustomizedPlaceholder:
            program_.platform().messages.showMessage(OpenGameText::HowToCustomize, kProductName,
                                                     MessageIcon::Information);
            return;
        default:
            break;
    }
    if (node->isGame()) {
        btnOKClick();
    } else if (node->isFolder()) {
        item->setExpanded(!item->isExpanded());
    }
}

void TfrmApri::trvGamesContextPopup(const QPoint& point) {
    if (QTreeWidgetItem* item = trvGames_->itemAt(point)) trvGames_->setCurrentItem(item);
    popup_->popup(trvGames_->viewport()->mapToGlobal(point));
}

std::vector<QTreeWidgetItem*> TfrmApri::shownItems() const {
    std::vector<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(trvGames_); *it != nullptr; ++it) {
        bool shown = true;
        for (const QTreeWidgetItem* parent = (*it)->parent(); parent != nullptr; parent = parent->parent()) {
            shown = shown && parent->isExpanded();
        }
        if (shown) items.push_back(*it);
    }
    return items;
}

bool TfrmApri::typeAhead(const QString& text) {
    const std::vector<QTreeWidgetItem*> items = shownItems();
    std::vector<std::string> captions;
    std::optional<std::size_t> current;
    for (std::size_t i = 0; i < items.size(); ++i) {
        captions.push_back(ToUtf8(items[i]->text(0)));
        if (items[i] == trvGames_->currentItem()) current = i;
    }
    const auto row = typeAhead_.type(ToUtf8(text), captions, current, TypeAhead::Clock::now());
    if (row) trvGames_->setCurrentItem(items[*row]);
    return true;
}

bool TfrmApri::eventFilter(QObject* watched, QEvent* event) {
    if (watched != trvGames_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        activate(trvGames_->currentItem());
        return true;
    }
    if (key->key() == Qt::Key_Delete) {
        mnuDeleteCustomGameClick();
        return true;
    }
    const bool command = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!command && !key->text().isEmpty() && key->text().at(0).isPrint()) return typeAhead(key->text());
    return QDialog::eventFilter(watched, event);
}

}  // namespace dravicor
