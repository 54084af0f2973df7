#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "select/game_tree.h"
#include "select/open_game_choice.h"
#include "select/type_ahead.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dravicor {

class GameDescriptionPanel;
class GameTreeIcons;
class Program;
class ResourceLibrary;

// What the open-game dialog did.
struct OpenGameResult {
    enum class Kind {
        Cancelled,  // closed without a choice
        Game,       // a game was chosen: `choice` and what became of it
        SavedGame,  // a saved game was loaded from `savedGame`
    };
    Kind kind = Kind::Cancelled;
    OpenGameChoice choice;
    OpenGameOutcome outcome = OpenGameOutcome::GameKept;
    std::filesystem::path savedGame;
};

// "Open a game": the tree of games by family, time, difficulty, skill and
// chance, the favourites and the customized games, the description of the
// selected game, the player who plays it. Made once and shown again and
// again; the folders are read when first opened.
class TfrmApri final : public QDialog {
    Q_OBJECT

public:
    // The windows the dialog opens that live elsewhere; a button or menu
    // entry without its window is disabled.
    struct Hooks {
        std::function<void(int code, const std::string& name)> showRules;
        std::function<void(int code, const std::string& player)> showStatistics;
        std::function<void()> showHelp;
    };

    TfrmApri(Program& program, const ResourceLibrary& library, QWidget* parent = nullptr);
    ~TfrmApri() override;

    void setHooks(Hooks hooks);

    // Shows the dialog modally and does what the player chose: a game is
    // dealt once the dialog is hidden, a saved game is loaded (the dialog
    // comes back when that was cancelled and no game is in progress). The
    // caller then refreshes the main window, whose game commands follow
    // whether a game is current.
    OpenGameResult run();

    // Read the favourites or the customized games again (after the
    // favourites dialog, or after a customized game was added or deleted).
    void RefreshFavoritesFolder();
    void RefreshCustomizedFolder();

    // The key a tree item carries.
    static int KeyOf(const QTreeWidgetItem* item);

    // The handlers of the buttons and menu entries.
    void btnOKClick();
    void btnOpenClick();
    void btnRulesClick();
    void btnStatisticsClick();
    void mnuFavoritesClick();
    void mnuDeleteCustomGameClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Pending { None, Game, SavedGame };

    void FormCreate();
    QWidget* buildButtons();
    void buildContextMenu();
    void FormShow();
    void addItems(QTreeWidgetItem* parent, const std::vector<std::unique_ptr<GameTreeNode>>& nodes);
    QTreeWidgetItem* itemOf(int folderKey) const;
    GameTreeNode* nodeOf(const QTreeWidgetItem* item) const;
    GameTreeNode* currentNode() const;
    // Fills the folder if it still waits, then returns the item of `code` in it.
    QTreeWidgetItem* FillFolder(QTreeWidgetItem* folder, int code);
    // Runs a filling of the folder in the core and mirrors its new nodes;
    // the item of the node the filling selected, if any.
    QTreeWidgetItem* mirrorFill(QTreeWidgetItem* folder, const std::function<FolderFill()>& fillInCore);
    void refreshFolder(int key);
    void showDescription();
    void fillPlayers();
    void activate(QTreeWidgetItem* item);
    bool typeAhead(const QString& text);
    std::vector<QTreeWidgetItem*> shownItems() const;

    void trvGamesChange();
    void trvGamesExpanding(QTreeWidgetItem* item);
    void trvGamesDblClick(QTreeWidgetItem* item);
    void trvGamesContextPopup(const QPoint& point);

    Program& program_;
    const ResourceLibrary& library_;
    std::vector<AllGamesEntry> allGames_;
    GameTree tree_;
    std::unique_ptr<GameTreeIcons> icons_;
    TypeAhead typeAhead_;
    Hooks hooks_;
    bool shownBefore_ = false;
    Pending pending_ = Pending::None;
    OpenGameChoice choice_;

    QTreeWidget* trvGames_ = nullptr;
    GameDescriptionPanel* description_ = nullptr;
    QCheckBox* chkPreview_ = nullptr;
    QCheckBox* chkWinnableDeals_ = nullptr;  // the selected game's; written with OK
    QComboBox* cboPlayers_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
    QPushButton* btnRules_ = nullptr;
    QPushButton* btnStatistics_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* mnuRules_ = nullptr;
    QAction* mnuStatistics_ = nullptr;
    QAction* mnuFavorites_ = nullptr;
    QAction* mnuDeleteCustomGame_ = nullptr;
};

}  // namespace dravicor
