#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "ui/statistics_window.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QTimer;

namespace dravicor {

class DemoBar;
class HintWorker;
class LiveVerdict;
class WinnableDealWorker;
struct Hint;
struct WinnableDeal;
class TfrmCardCounter;
class Program;
class ResourceLibrary;
class SettingsRecord;
class TableCursors;
class GameRulesHelp;
class TfrmApri;
class TableWidget;

// The caption of the main window: the product name and, with a game
// current, " [" game "]  [" player "]" and "  [" number "]" once a deal
// number is set.
std::string MainWindowCaption(const SettingsRecord& settings, bool gameCurrent);

// What a close request does.
enum class CloseStep {
    StopAnimation,  // the winning animation runs: it is stopped, the window stays
    Ask,            // "Exit Dravicor?" decides
    Close,
};
// `confirmQuit` is the ConfirmQuit preference; `asking` is false for a
// termination request, which never asks.
CloseStep DecideClose(bool winningAnimationRunning, bool asking, std::string_view confirmQuit);

// The program's main window: the menu bar, the large and the small toolbar
// with the time and score panels at their right, the demo bar while demo
// mode is on, the card table in the middle and the status bar (player and
// level text). Its commands forward to the program's engine, the
// saved-game part and the demo player; the window holds no rules of its
// own. Entries whose windows do not exist yet are shown disabled.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    // A window without a program: the menus and toolbars are there, the game
    // commands are disabled.
    explicit TfrmMain(QWidget* parent = nullptr);
    // The window of the running program; the program outlives the window.
    // The window restores its toolbar, panels, status bar, autoplay and size
    // from the preferences.
    explicit TfrmMain(Program& program, QWidget* parent = nullptr);
    // The same with the resource library's toolbar pictures and the table's
    // pointer cursors; the library outlives the window.
    TfrmMain(Program& program, const ResourceLibrary& library, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TableWidget& table() const { return *table_; }
    DemoBar& demoBar() const { return *demoBar_; }
    QAction& action(const char* objectName) const;

    // Brings the menus' states, the caption, the demo bar, the clock and the
    // score up to date with the engine.
    void refresh();
    // Closes the window without asking (a termination request).
    void closeWithoutAsking();
    // Rebuilds the caption from the current game, player and deal number.
    void UpdateCaption();

    // The toolbar commands. With save, the preference is written at once
    // (ToolBar_Large, ToolBar_Flat, ToolBar_Visible; Show_Time and
    // Show_Score with their settings fields).
    void SetToolbarLarge(bool large, bool save);
    void SetToolbarFlat(bool flat, bool save);
    // Hiding the toolbar hides both toolbars and both panels.
    void SetToolbarVisible(bool visible, bool save);
    // Shows the toolbars as the three toolbar settings say; with save, writes all three.
    void ApplyToolbarPreferences(bool save);
    void ShowTimePanel(bool show, bool save);
    void ShowScorePanel(bool show, bool save);
    bool toolbarLarge() const { return toolbarLarge_; }
    bool toolbarFlat() const { return toolbarFlat_; }
    bool toolbarVisible() const { return toolbarVisible_; }
    // The toolbar buttons' tool tips (Show_ToolTips).
    void ShowToolTips(bool show);
    bool toolTipsShown() const;

    // Hands the table the pointer cursors the settings record chose
    // (position 172), and the matching one for dragging.
    void ApplyTableCursor();
    // The open-game dialog, made with the window when it has a resource library.
    TfrmApri* openGameDialog() const { return openGame_; }
    // The card counter, made with the window when it has a resource library.
    TfrmCardCounter* cardCounter() const { return cardCounter_; }
    // The deal the first activation makes instead of a number drawn at random
    // (the open-game dialog is not shown then).
    void setFirstDealNumber(std::string number) {
        firstDealNumber_ = std::move(number);
        dealAtStart_ = true;
    }
    // The first activation deals the last game played without the dialog.
    void dealLastGameAtStart() { dealAtStart_ = true; }
    // The level text panel of the status bar.
    void setLevelText(const QString& text);
    // What the solver's panel of the status bar says now: a hint found
    // nothing, a winnable deal is being looked for, how that ended.
    QString solverNote() const;
    // Is a winnable deal being looked for?
    bool lookingForWinnableDeal() const;
    // The pop-up menu of the toolbars: "Large icons", "Small icons" (the
    // current one checked), "Flat button", "No flat button", "Show time",
    // "Show score" (each enabled while its panel is hidden).
    QMenu* createPopupMenu() override;

    // The measures of a toolbar, in pixels.
    struct ToolbarShape {
        int height;
        int buttonTop;  // from the toolbar's top; the buttons reach its bottom
        int buttonWidth;
        int iconSize;
    };

signals:
    // The first activation's work is done: caption, upgrades, the first deal.
    void firstActivationDone();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void restoreFromPreferences();
    // The toolbars, panels, status bar and cursor as the preferences say.
    void applyDisplayPreferences();
    QAction* addEntry(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut = {});
    void buildMenus();
    void buildToolbars();
    QWidget* buildToolbar(QWidget* row, const char* objectName, const ToolbarShape& shape);
    void buildPanels();
    void buildPopupMenus();
    void buildStatusBar();
    void wireCommands();
    void showClock();
    void showPanels();
    // Write preferences at once; a failure is shown and the program goes on.
    void writePreference(std::string_view key, std::string_view value);
    void writePreferences(const std::vector<std::pair<std::string, std::string>>& entries);

    void mnuNewClick();
    void mnuRestartGameClick();
    void mnuUndoClick();
    void mnuHintClick();
    void mnuRedoClick();
    void mnuPauseClick();
    void mnuQuitGameClick();
    void mnuAutoplayClick();
    void mnuDemoClick();
    void mnuOpenClick();
    void mnuPlayersClick();
    void mnuOptionsClick();
    void mnuCustomizeClick();
    void mnuTipsClick();
    void mnuAboutClick();
    void mnuHiScoresClick();
    void mnuPlayersStatisticsClick();
    void mnuAllGamesStatisticsClick();
    void mnuLogStatisticsClick();
    void mnuSelectClick();
    void mnuFavoritesClick();
    void mnuSaveClick();
    void mnuCustomizeRulesClick();
    void mnuCardCounterClick();
    void mnuUpdateClick();
    void mnuMailingListClick();
    // Opens a page of the program's web site in the browser; says so when
    // no browser takes it.
    void openWebPage(const QString& address);
    // After a command that ended a deal: the hi-score table when the deal
    // took a place (not while a won game is still to be celebrated, nor over
    // another window).
    void announceNewHiScore();
    void queueNewHiScore();
    // The open-game dialog (when the window has one); true when a new deal
    // is on the table afterwards.
    bool chooseGame();
    bool chooseNumber();
    void showGameStatistics(int code, const std::string& player);
    // What the statistics windows may open from here.
    StatisticsLinks statisticsLinks();
    void mnuRulesClick();
    void mnuContentsClick();
    void mnuGameStatisticsClick();
    // After a won game: the "Game won" window, and what the player chose there.
    void offerWhatNext();
    void demoMoved();

    // The solver's help (main_window_solver.cpp).
    void buildSolverPanels();
    // After every change of the table: the hint is stale, the verdict starts again.
    void positionChanged();
    void hintFound(const Hint& hint, std::uint64_t ticket);
    void showNoMovesLeft(bool shown);
    void showVerdict();
    // The Show_Verdict preference: the panel and its searches on or off.
    void applyVerdictPreference();
    void restartVerdict();
    void setSolverNote(const QString& text);
    // New game for a game where only winnable deals are wanted.
    void dealWinnable();
    void winnableDealProgress(int tried, const std::string& number);
    void winnableDealFound(const WinnableDeal& deal);

    Program* program_ = nullptr;
    const ResourceLibrary* library_ = nullptr;
    std::unique_ptr<TableCursors> cursors_;
    TableWidget* table_;  // owned by the window, below the demo bar
    DemoBar* demoBar_ = nullptr;
    QWidget* toolbarRow_ = nullptr;  // the toolbars and the panels
    QWidget* largeToolbar_ = nullptr;
    QWidget* smallToolbar_ = nullptr;
    QWidget* pnlTime_ = nullptr;
    QWidget* pnlScore_ = nullptr;
    QLabel* lblClock_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QLabel* pnlPlayer_ = nullptr;
    QLabel* pnlLevel_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    bool toolbarLarge_ = false;
    bool toolbarFlat_ = true;
    bool toolbarVisible_ = true;
    bool showTime_ = true;
    bool showScore_ = true;
    bool askOnClose_ = true;
    bool activated_ = false;
    std::optional<std::string> firstDealNumber_;
    bool dealAtStart_ = false;
    GameRulesHelp* rulesHelp_ = nullptr;  // owned by the window
    TfrmApri* openGame_ = nullptr;        // owned by the window; made once, shown again and again
    bool closing_ = false;
    bool hiScoreQueued_ = false;
    TfrmCardCounter* cardCounter_ = nullptr;  // owned by the window; hidden until asked for
    QObject* toolTipGate_ = nullptr;  // swallows the toolbar's tool tips when they are off

    HintWorker* hints_ = nullptr;                  // owned by the window
    WinnableDealWorker* winnableDeals_ = nullptr;  // owned by the window
    std::unique_ptr<LiveVerdict> verdict_;
    bool verdictWanted_ = true;
    // Counts the changes of the table: an answer about an older table is dropped.
    std::uint64_t positionTicket_ = 0;
    // The deal and position the hints and the verdict know about.
    std::optional<std::pair<int, std::string>> dealKnown_;
    std::optional<std::pair<int, std::string>> verdictDeal_;
    std::optional<std::size_t> verdictKey_;  // the position the verdict is about
    QLabel* pnlSolverNote_ = nullptr;
    QWidget* pnlNoMoves_ = nullptr;
    QLabel* pnlVerdict_ = nullptr;
    QShortcut* stopSearch_ = nullptr;
    QTimer* searchShown_ = nullptr;  // the search for a winnable deal shows after a moment
    QString searchProgress_;
};

}  // namespace dravicor
