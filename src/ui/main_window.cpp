#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QUrl>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "engine/engine.h"
#include "savegame/open_saved_game.h"
#include "savegame/saved_game.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/tips.h"
#include "shell/window_preferences.h"
#include "players/player_list.h"
#include "stats/hi_scores.h"
#include "ui/demo_bar.h"
#include "ui/game_rules_help.h"
#include "ui/about_box.h"
#include "ui/card_counter_window.h"
#include "ui/all_games_window.h"
#include "ui/clear_statistics_dialog.h"
#include "ui/customize_dialog.h"
#include "ui/customize_rules_dialog.h"
#include "ui/favourites_dialog.h"
#include "ui/game_log_window.h"
#include "ui/hi_score_window.h"
#include "ui/options_dialog.h"
#include "ui/players_statistics_window.h"
#include "ui/players_window.h"
#include "ui/records_links.h"
#include "ui/tips_window.h"
#include "ui/game_number_dialog.h"
#include "ui/game_won_window.h"
#include "ui/open_game_dialog.h"
#include "ui/statistics_window.h"
#include "ui/table_cursors.h"
#include "ui/solver_workers.h"
#include "ui/table_widget.h"
#include "solver/live_verdict.h"

namespace dravicor {

namespace {
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr int kClockInterval = 1000;  // milliseconds

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Caption(std::string_view text) { return Text(ApplyProgramName(text)); }
}  // namespace

std::string MainWindowCaption(const SettingsRecord& settings, bool gameCurrent) {
    std::string caption(kProductName);
    if (!gameCurrent) return caption;
    caption += " [" + settings.get(Field::CurrentGameName) + "]";
    caption += "  [" + settings.get(Field::CurrentPlayer) + "]";
    if (const std::string number = settings.get(Field::CurrentGameNumber); !number.empty())
        caption += "  [" + number + "]";
    return caption;
}

CloseStep DecideClose(bool winningAnimationRunning, bool asking, std::string_view confirmQuit) {
    if (!asking) return CloseStep::Close;
    if (winningAnimationRunning) return CloseStep::StopAnimation;
    return confirmQuit != "N" ? CloseStep::Ask : CloseStep::Close;
}

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), table_(new TableWidget(this)) { FormCreate(); }

TfrmMain::TfrmMain(Program& program, QWidget* parent)
    : QMainWindow(parent), program_(&program), table_(new TableWidget(this)) {
    FormCreate();
}

TfrmMain::TfrmMain(Program& program, const ResourceLibrary& library, QWidget* parent)
    : QMainWindow(parent), program_(&program), library_(&library), table_(new TableWidget(this)) {
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // The workers' threads end before the window they report to starts to go.
    verdict_.reset();
    delete hints_;
    delete winnableDeals_;
}

void TfrmMain::FormCreate() {
    setWindowTitle(Text(kProductName));
    buildMenus();
    buildToolbars();
    buildPanels();
    // Under the menu bar: the toolbar row, the demo bar (shown only in demo
    // mode) and the table.
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("pnlCentre"));
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    demoBar_ = new DemoBar(centre);
    demoBar_->hide();
    column->addWidget(toolbarRow_);
    column->addWidget(demoBar_);
    column->addWidget(table_, 1);
    setCentralWidget(centre);
    // The keys of the table work from the start.
    table_->setFocus();

    buildPopupMenus();
    buildStatusBar();
    buildSolverPanels();
    wireCommands();
    cursors_ = std::make_unique<TableCursors>(library_);
    resize(kDefaultWidth, kDefaultHeight);
    if (program_ != nullptr) {
        rulesHelp_ = new GameRulesHelp(*program_, this);
        if (library_ != nullptr) {
            openGame_ = new TfrmApri(*program_, *library_, this);
            cardCounter_ = new TfrmCardCounter(*program_, *library_, this);
            connect(cardCounter_, &TfrmCardCounter::closed, this,
                    [this] { action("mnuCardCounter").setChecked(false); });
            connect(table_, &TableWidget::dealShown, cardCounter_, &TfrmCardCounter::resetForGame);
            openGame_->setHooks({[this](int code, const std::string&) { rulesHelp_->ShowGameRules(code); },
                                 [this](int code, const std::string& player) { showGameStatistics(code, player); },
                                 [this] { rulesHelp_->ShowContents(); }});
        }
        demoBar_->setPlayer(&program_->demo());
        restoreFromPreferences();
    } else {
        ApplyToolbarPreferences(false);
        ApplyTableCursor();
    }
    refresh();
}

void TfrmMain::restoreFromPreferences() {
    applyDisplayPreferences();
    SettingsRecord& settings = program_->settings();
    program_->engine().SetAutoplay(AutoplayPreference(settings));
    if (const auto size = ReadWindowSize(ConfigFile(settings))) resize(size->width, size->height);
}

void TfrmMain::applyDisplayPreferences() {
    SettingsRecord& settings = program_->settings();
    const ProfileFile config = ConfigFile(settings);
    const ToolbarPreferences toolbar = ReadToolbarPreferences(config);
    toolbarLarge_ = toolbar.large;
    toolbarFlat_ = toolbar.flat;
    toolbarVisible_ = toolbar.visible;
    ApplyToolbarPreferences(false);
    ShowTimePanel(settings.get(Field::ShowTime) != "N", false);
    ShowScorePanel(settings.get(Field::ShowScore) != "N", false);
    statusBar()->setVisible(settings.get(Field::StatusBar) == "Y");
    ShowToolTips(settings.get(Field::ShowToolTips) != "N");
    ApplyTableCursor();
}

QAction& TfrmMain::action(const char* objectName) const {
    auto* found = findChild<QAction*>(QLatin1String(objectName));
    Q_ASSERT(found != nullptr);
    return *found;
}

QAction* TfrmMain::addEntry(QMenu* menu, const char* objectName, const QString& caption,
                            const QKeySequence& shortcut) {
    auto* entry = new QAction(caption, this);
    entry->setObjectName(QLatin1String(objectName));
    entry->setShortcut(shortcut);
    // The toolbar buttons show the pictures; the menus stay text.
    entry->setIconVisibleInMenu(false);
    if (menu != nullptr) menu->addAction(entry);
    return entry;
}

void TfrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [this, bar](const char* objectName, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(objectName));
        return menu;
    };

    QMenu* file = addMenu("mnuFile", QStringLiteral("&File"));
    addEntry(file, "mnuNew", QStringLiteral("&New game"), QKeySequence(Qt::Key_F2));
    addEntry(file, "mnuOpen", QStringLiteral("&Open a game"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    addEntry(file, "mnuRestartGame", QStringLiteral("&Restart game"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    addEntry(file, "mnuSelect", QStringLiteral("S&elect a game number..."), QKeySequence(Qt::Key_F3));
    file->addSeparator();
    addEntry(file, "mnuSave", QStringLiteral("&Save..."), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F12));
    file->addSeparator();
    addEntry(file, "mnuPlayers", QStringLiteral("&Players..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addSeparator();
    addEntry(file, "mnuExit", QStringLiteral("E&xit"));

    QMenu* game = addMenu("mnuGame", QStringLiteral("&Game"));
    addEntry(game, "mnuUndo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addEntry(game, "mnuRedo", QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    addEntry(game, "mnuHint", QStringLiteral("&Hint"), QKeySequence(Qt::Key_H));
    game->addSeparator();
    addEntry(game, "mnuPause", QStringLiteral("P&ause"), QKeySequence(Qt::CTRL | Qt::Key_P))->setCheckable(true);
    addEntry(game, "mnuQuitGame", QStringLiteral("&Quit game"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    game->addSeparator();
    addEntry(game, "mnuAutoplay", QStringLiteral("Au&toplay"), QKeySequence(Qt::Key_F7))->setCheckable(true);
    // Demo mode is switched from the keyboard only: the entry is not in the
    // menu, its shortcut belongs to the window.
    QAction* demo = addEntry(nullptr, "mnuDemo", QStringLiteral("&Demo"), QKeySequence(Qt::CTRL | Qt::Key_D));
    demo->setCheckable(true);
    addAction(demo);

    QMenu* statistics = addMenu("mnuStatistics", QStringLiteral("&Statistics"));
    addEntry(statistics, "mnuGameStatistics", QStringLiteral("&Game statistics..."), QKeySequence(Qt::Key_F4));
    addEntry(statistics, "mnuPlayersStatistics", QStringLiteral("&Players statistics..."));
    addEntry(statistics, "mnuAllGamesStatistics", QStringLiteral("&All games statistics..."));
    addEntry(statistics, "mnuLogStatistics", QStringLiteral("&Log statistics..."));
    statistics->addSeparator();
    addEntry(statistics, "mnuHiScores", QStringLiteral("&Hi-Scores..."), QKeySequence(Qt::Key_F9));

    QMenu* tools = addMenu("mnuTools", QStringLiteral("&Tools"));
    addEntry(tools, "mnuCustomize", QStringLiteral("C&ustomize..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    addEntry(tools, "mnuOptions", QStringLiteral("&Options..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    tools->addSeparator();
    addEntry(tools, "mnuCustomizeRules", QStringLiteral("Customize &rules..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    addEntry(tools, "mnuFavorites", QStringLiteral("&Favorite games..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    tools->addSeparator();
    addEntry(tools, "mnuCardCounter", QStringLiteral("&Card counter..."), QKeySequence(Qt::Key_F8));

    QMenu* help = addMenu("mnuHelp", QStringLiteral("&?"));
    addEntry(help, "mnuRules", QStringLiteral("&Rules"), QKeySequence(Qt::Key_F1));
    addEntry(help, "mnuContents", QStringLiteral("&Contents"));
    help->addSeparator();
    addEntry(help, "mnuTips", QStringLiteral("&Tip of the Day..."));
    QMenu* web = help->addMenu(Caption("[Program] on the &Web..."));
    web->setObjectName(QStringLiteral("mnuWeb"));
    addEntry(web, "mnuUpdate", Caption("[Program] &Update..."));
    addEntry(web, "mnuMailingList", QStringLiteral("Announcement &Mailing List..."));
    help->addSeparator();
    addEntry(help, "mnuAbout", QStringLiteral("A&bout..."));

    // Their windows come with later work: present, but not to be chosen yet.
    action("mnuCardCounter").setCheckable(true);
}

void TfrmMain::wireCommands() {
    auto on = [this](const char* entry, void (TfrmMain::*handler)()) {
        connect(&action(entry), &QAction::triggered, this, handler);
    };
    on("mnuNew", &TfrmMain::mnuNewClick);
    on("mnuRestartGame", &TfrmMain::mnuRestartGameClick);
    on("mnuUndo", &TfrmMain::mnuUndoClick);
    on("mnuHint", &TfrmMain::mnuHintClick);
    on("mnuRedo", &TfrmMain::mnuRedoClick);
    on("mnuPause", &TfrmMain::mnuPauseClick);
    on("mnuQuitGame", &TfrmMain::mnuQuitGameClick);
    on("mnuAutoplay", &TfrmMain::mnuAutoplayClick);
    on("mnuDemo", &TfrmMain::mnuDemoClick);
    on("mnuOpen", &TfrmMain::mnuOpenClick);
    on("mnuPlayers", &TfrmMain::mnuPlayersClick);
    on("mnuOptions", &TfrmMain::mnuOptionsClick);
    on("mnuCustomize", &TfrmMain::mnuCustomizeClick);
    on("mnuTips", &TfrmMain::mnuTipsClick);
    on("mnuAbout", &TfrmMain::mnuAboutClick);
    on("mnuHiScores", &TfrmMain::mnuHiScoresClick);
    on("mnuPlayersStatistics", &TfrmMain::mnuPlayersStatisticsClick);
    on("mnuAllGamesStatistics", &TfrmMain::mnuAllGamesStatisticsClick);
    on("mnuLogStatistics", &TfrmMain::mnuLogStatisticsClick);
    on("mnuSelect", &TfrmMain::mnuSelectClick);
    on("mnuFavorites", &TfrmMain::mnuFavoritesClick);
    on("mnuRules", &TfrmMain::mnuRulesClick);
    on("mnuContents", &TfrmMain::mnuContentsClick);
    on("mnuGameStatistics", &TfrmMain::mnuGameStatisticsClick);
    on("mnuSave", &TfrmMain::mnuSaveClick);
    on("mnuCustomizeRules", &TfrmMain::mnuCustomizeRulesClick);
    on("mnuCardCounter", &TfrmMain::mnuCardCounterClick);
    on("mnuUpdate", &TfrmMain::mnuUpdateClick);
    on("mnuMailingList", &TfrmMain::mnuMailingListClick);
    connect(&action("mnuExit"), &QAction::triggered, this, &QWidget::close);
    connect(table_, &TableWidget::gameWonCelebrated, this, &TfrmMain::offerWhatNext);
    connect(table_, &TableWidget::engineChanged, this, &TfrmMain::refresh);
    connect(table_, &TableWidget::engineChanged, this, &TfrmMain::positionChanged);
    connect(demoBar_, &DemoBar::moved, this, &TfrmMain::demoMoved);
    connect(demoBar_, &DemoBar::closeRequested, this, &TfrmMain::mnuDemoClick);

    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(kClockInterval);
    connect(clockTimer_, &QTimer::timeout, this, &TfrmMain::showClock);
    clockTimer_->start();
}

void TfrmMain::refresh() {
    const bool hasGame = program_ != nullptr && program_->game().gameCode != kNoGame;
    const bool inProgress = hasGame && program_->game().inProgress;
    action("mnuHint").setEnabled(inProgress && !program_->engine().demoMode());
    for (const char* command :
         {"mnuNew", "mnuRestartGame", "mnuUndo", "mnuRedo", "mnuAutoplay", "mnuRules", "mnuGameStatistics"}) {
        action(command).setEnabled(hasGame);
    }
    action("mnuContents").setEnabled(program_ != nullptr);
    action("mnuOpen").setEnabled(openGame_ != nullptr);
    action("mnuSelect").setEnabled(hasGame);
    action("mnuSave").setEnabled(hasGame);
    action("mnuCustomizeRules").setEnabled(hasGame);
    action("mnuCardCounter").setEnabled(hasGame && cardCounter_ != nullptr);
    if (cardCounter_ != nullptr) cardCounter_->recount();
    action("mnuFavorites").setEnabled(program_ != nullptr);
    for (const char* window : {"mnuPlayers", "mnuOptions", "mnuTips", "mnuAbout", "mnuAllGamesStatistics",
                               "mnuLogStatistics", "mnuUpdate", "mnuMailingList"}) {
        action(window).setEnabled(program_ != nullptr);
    }
    for (const char* window : {"mnuHiScores", "mnuPlayersStatistics"}) action(window).setEnabled(hasGame);
    action("mnuCustomize").setEnabled(program_ != nullptr && library_ != nullptr);
    action("mnuPause").setEnabled(inProgress);
    action("mnuQuitGame").setEnabled(inProgress);
    action("mnuDemo").setEnabled(hasGame);
    if (program_ != nullptr) {
        const Engine& engine = program_->engine();
        action("mnuAutoplay").setChecked(engine.autoplayOn());
        action("mnuPause").setChecked(engine.paused());
        action("mnuDemo").setChecked(engine.demoMode());
        lblScore_->setText(QString::number(program_->game().score));
        pnlPlayer_->setText(Text(program_->settings().get(Field::CurrentPlayer)));
        demoBar_->setVisible(engine.demoMode());
        if (engine.demoMode()) demoBar_->sync();
    } else {
        lblScore_->setText(QStringLiteral("0"));
    }
    UpdateCaption();
    showClock();
    if (program_ != nullptr && program_->records().hasNewHiScore()) queueNewHiScore();
}

void TfrmMain::queueNewHiScore() {
    if (hiScoreQueued_) return;
    hiScoreQueued_ = true;
    // From the event loop: the command that ended the deal finishes first.
    QTimer::singleShot(0, this, [this] {
        hiScoreQueued_ = false;
        announceNewHiScore();
    });
}

void TfrmMain::announceNewHiScore() {
    if (program_ == nullptr || closing_ || !isVisible()) return;
    // A won game is celebrated first; "Game won" then comes after the table.
    if (table_->celebrationPending()) return;
    // Over another window (the open-game dialog after Quit game, say) the
    // table waits until that window is gone.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
        if (!hiScoreQueued_) {
            hiScoreQueued_ = true;
            QTimer::singleShot(200, this, [this] {
                hiScoreQueued_ = false;
                announceNewHiScore();
            });
        }
        return;
    }
    if (ShowNewHiScore(*program_, this)) table_->update();
}

void TfrmMain::UpdateCaption() {
    const bool hasGame = program_ != nullptr && program_->game().gameCode != kNoGame;
    const QString caption = program_ != nullptr ? Text(MainWindowCaption(program_->settings(), hasGame))
                                                : Text(kProductName);
    if (windowTitle() != caption) setWindowTitle(caption);
}

void TfrmMain::showClock() {
    const int seconds = program_ != nullptr ? program_->engine().elapsedSeconds() : 0;
    lblClock_->setText(Text(FormatClock(seconds)));
}

void TfrmMain::ApplyTableCursor() {
    const int chosen = program_ != nullptr ? ChosenCursorNumber(program_->settings().get(Field::TableCursor))
                                           : kDefaultPointingCursor;
    table_->setPointerCursors(cursors_->cursor(chosen), cursors_->cursor(chosen + kDraggingCursorOffset));
}

void TfrmMain::writePreference(std::string_view key, std::string_view value) {
    writePreferences({{std::string(key), std::string(value)}});
}

void TfrmMain::writePreferences(const std::vector<std::pair<std::string, std::string>>& entries) {
    if (program_ == nullptr) return;
    try {
        ConfigFile(program_->settings()).WriteStrings(kPreferenceSection, entries);
    } catch (const ProfileWriteError& error) {
        program_->platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}

void TfrmMain::mnuNewClick() {
    if (program_ == nullptr || lookingForWinnableDeal()) return;
    const int code = program_->game().gameCode;
    if (code != kNoGame && WinnableDealsWanted(program_->settings(), code)) {
        dealWinnable();
        return;
    }
    program_->engine().NewGame();
    refresh();
}

void TfrmMain::mnuRestartGameClick() {
    if (program_ == nullptr) return;
    const GameState& game = program_->game();
    if (game.inProgress && !game.won) {
        const std::string question = "Restart this game?\rGame number: " + game.gameNumber;
        if (program_->platform().messages.ask(question, kProductName, MessageButtons::OkCancel,
                                              MessageIcon::Question) != Answer::Ok) {
            return;
        }
    }
    RestartGame(program_->engine(), program_->settings(), program_->platform().sound);
    refresh();
}

void TfrmMain::mnuUndoClick() {
    if (program_ != nullptr) program_->engine().Undo();
    refresh();
}

void TfrmMain::mnuRedoClick() {
    if (program_ != nullptr) program_->engine().Redo();
    refresh();
}

void TfrmMain::mnuPauseClick() {
    // The check mark follows the engine, which may refuse.
    if (program_ != nullptr) program_->engine().SetPause(!program_->engine().paused());
    refresh();
}

void TfrmMain::mnuQuitGameClick() {
    if (program_ == nullptr) return;
    // The game ended, the player chooses what to play next.
    if (program_->engine().QuitGame()) {
        refresh();
        chooseGame();
    }
    refresh();
}

void TfrmMain::mnuAutoplayClick() {
    if (program_ != nullptr) program_->engine().SetAutoplay(!program_->engine().autoplayOn());
    refresh();
}

void TfrmMain::mnuDemoClick() {
    if (program_ != nullptr) program_->demo().ToggleDemo();
    // The demo player steps without redrawing.
    table_->update();
    refresh();
}

void TfrmMain::demoMoved() {
    table_->update();
    refresh();
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || activated_ || !isActiveWindow()) return;
    activated_ = true;
    // Run from the event loop, not inside the activation: the first deal
    // pauses before its autoplay, and a close request must be able to end
    // the program meanwhile.
    QTimer::singleShot(0, this, &TfrmMain::FormActivate);
}

void TfrmMain::FormActivate() {
    UpdateCaption();
    if (program_ != nullptr) {
        UpgradeHiScoreFile(program_->dataFiles());
        try {
            ProfileFile config = ConfigFile(program_->settings());
            UpgradeOldPreferences(config);
        } catch (const ProfileWriteError& error) {
            program_->platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        }
        if (TipsAtStartup(ConfigFile(program_->settings()))) TfrmTips(*program_, this).run();
        // The card counter comes back as the player left it.
        if (cardCounter_ != nullptr && !cardCounter_->isVisible() && CardCounterShownAtStartup(*program_))
            mnuCardCounterClick();
        // The player picks the game in the open-game dialog; a deal asked for
        // on the command line (or a window without the dialog) deals the last
        // game played at once.
        Engine& engine = program_->engine();
        if (openGame_ != nullptr && !dealAtStart_ && !engine.demoMode()) {
            emit firstActivationDone();
            chooseGame();
            return;
        }
        if (engine.game().gameCode != kNoGame && !engine.game().inProgress && !engine.demoMode()) {
            if (firstDealNumber_) program_->settings().put(Field::CurrentGameNumber, *firstDealNumber_);
            engine.StartGame(true, false, firstDealNumber_ ? 0 : 2, false);
        }
        refresh();
    }
    emit firstActivationDone();
}

bool TfrmMain::chooseGame() {
    if (openGame_ == nullptr) return false;
    const OpenGameResult result = openGame_->run();
    refresh();
    UpdateCaption();
    if (result.kind == OpenGameResult::Kind::Game && result.outcome == OpenGameOutcome::WinnableWanted) {
        dealWinnable();
        return true;
    }
    return result.kind == OpenGameResult::Kind::SavedGame ||
           (result.kind == OpenGameResult::Kind::Game && result.outcome == OpenGameOutcome::Dealt);
}

bool TfrmMain::chooseNumber() {
    if (program_ == nullptr || program_->game().gameCode == kNoGame) return false;
    TfrmSeleziona dialog(*program_, this);
    if (rulesHelp_ != nullptr) dialog.setHelp([this] { rulesHelp_->ShowContents(); });
    const auto outcome = dialog.run();
    refresh();
    UpdateCaption();
    return outcome == ChosenDealOutcome::Dealt;
}

void TfrmMain::mnuOpenClick() { chooseGame(); }

void TfrmMain::mnuPlayersClick() {
    if (program_ == nullptr) return;
    TfrmPlayers players(*program_, this);
    if (rulesHelp_ != nullptr) players.setHelp([this] { rulesHelp_->ShowContents(); });
    const bool changed = players.run();
    UpdateCaption();
    refresh();
    // Another player chooses what to play.
    if (changed) chooseGame();
}

void TfrmMain::mnuOptionsClick() {
    if (program_ == nullptr) return;
    TfrmOptions options(*program_, this);
    if (rulesHelp_ != nullptr) options.setHelp([this] { rulesHelp_->ShowContents(); });
    options.setClearStatistics([this] {
        ShowClearStatistics(*program_, CurrentPlayer(program_->settings()), program_->game().gameCode, this);
    });
    if (options.run()) {
        applyDisplayPreferences();
        applyVerdictPreference();
    }
    refresh();
}

void TfrmMain::mnuCustomizeClick() {
    if (program_ == nullptr || library_ == nullptr) return;
    CustomizeLinks links;
    links.appearanceChanged = [this] { table_->reloadAppearance(); };
    links.preferencesSaved = [this] { ApplyTableCursor(); };
    if (rulesHelp_ != nullptr) links.help = [this] { rulesHelp_->ShowContents(); };
    TfrmCustomize(*program_, library_, links, this).run();
    table_->update();
}

void TfrmMain::mnuTipsClick() {
    if (program_ != nullptr) TfrmTips(*program_, this).run();
}

void TfrmMain::mnuAboutClick() {
    if (program_ != nullptr) TfrmAbout(*program_, this).run();
    table_->update();
}

void TfrmMain::mnuHiScoresClick() {
    if (program_ == nullptr || program_->game().gameCode == kNoGame) return;
    ShowHiScores(*program_, HiScoreMode::Browse, 0, std::string(), -1, this);
}

void TfrmMain::mnuPlayersStatisticsClick() {
    if (program_ != nullptr && program_->game().gameCode != kNoGame)
        ShowPlayersStatistics(*program_, program_->game().gameCode, this);
}

void TfrmMain::mnuAllGamesStatisticsClick() {
    if (program_ != nullptr) ShowAllGamesStatistics(*program_, CurrentPlayer(program_->settings()), this);
}

void TfrmMain::mnuLogStatisticsClick() {
    if (program_ != nullptr)
        ShowGameLog(*program_, CurrentPlayer(program_->settings()), program_->settings().get(Field::CurrentGameName),
                    this);
}
void TfrmMain::mnuSelectClick() { chooseNumber(); }

void TfrmMain::mnuCustomizeRulesClick() {
    if (program_ == nullptr) return;
    std::function<void()> help;
    if (rulesHelp_ != nullptr) help = [this] { rulesHelp_->ShowContents(); };
    const CustomizeRulesOutcome outcome = ShowCustomizeRules(*program_, this, help);
    if (outcome != CustomizeRulesOutcome::Cancelled && openGame_ != nullptr) openGame_->RefreshCustomizedFolder();
    refresh();
    // The game played has gone: the player chooses another.
    if (outcome == CustomizeRulesOutcome::Deleted) chooseGame();
}

void TfrmMain::mnuCardCounterClick() {
    if (cardCounter_ == nullptr) return;
    if (cardCounter_->isVisible()) {
        cardCounter_->close();
    } else {
        cardCounter_->show();
    }
    action("mnuCardCounter").setChecked(cardCounter_->isVisible());
}

void TfrmMain::mnuSaveClick() {
    if (program_ == nullptr || program_->game().gameCode == kNoGame) return;
    SaveGameToChosenFile(program_->engine(), program_->settings(), program_->platform());
}

void TfrmMain::mnuUpdateClick() { openWebPage(Text(kUpdatePage) + QStringLiteral("?version=") + QStringLiteral(DRAVICOR_VERSION)); }

void TfrmMain::mnuMailingListClick() { openWebPage(Text(kMailingListPage)); }

void TfrmMain::openWebPage(const QString& address) {
    if (program_ == nullptr) return;
    BusyScope busy(program_->platform().cursor);
    if (QDesktopServices::openUrl(QUrl(address))) return;
    program_->platform().messages.showMessage("No web browser could open the page\r" + address.toStdString(),
                                              kProductName, MessageIcon::Warning);
}

void TfrmMain::mnuFavoritesClick() {
    if (program_ == nullptr) return;
    TfrmFavorite dialog(*program_, this);
    if (rulesHelp_ != nullptr) dialog.setHelp([this] { rulesHelp_->ShowContents(); });
    if (dialog.exec() == QDialog::Accepted && openGame_ != nullptr) openGame_->RefreshFavoritesFolder();
}

StatisticsLinks TfrmMain::statisticsLinks() {
    StatisticsLinks links = RecordsWindowLinks(*program_, this);
    if (rulesHelp_ != nullptr) links.set(StatisticsLink::Help, [this](const StatisticsChoice&) { rulesHelp_->ShowContents(); });
    return links;
}

void TfrmMain::showGameStatistics(int code, const std::string& player) {
    if (program_ == nullptr) return;
    ShowStatistics(*program_, player, code, statisticsLinks(), this);
}

void TfrmMain::mnuRulesClick() {
    if (rulesHelp_ != nullptr) rulesHelp_->ShowGameRules(-1);
}

void TfrmMain::mnuContentsClick() {
    if (rulesHelp_ != nullptr) rulesHelp_->ShowContents();
}

void TfrmMain::mnuGameStatisticsClick() {
    if (program_ == nullptr || program_->game().gameCode == kNoGame) return;
    showGameStatistics(program_->game().gameCode, CurrentPlayer(program_->settings()));
}

void TfrmMain::offerWhatNext() {
    if (program_ == nullptr || closing_ || !isVisible()) return;
    // The deal's place in the hi-scores comes before what to play next.
    ShowNewHiScore(*program_, this);
    GameWonLinks links;
    links.statistics = statisticsLinks();
    if (openGame_ != nullptr) links.openGame = [this] { return chooseGame(); };
    links.selectGame = [this] { return chooseNumber(); };
    switch (ShowGameWon(*program_, links, this)) {
        case GameWonChoice::NewGame:
            mnuNewClick();
            break;
        case GameWonChoice::RestartGame:
            RestartGame(program_->engine(), program_->settings(), program_->platform().sound);
            break;
        case GameWonChoice::OpenGame:
        case GameWonChoice::SelectGame:
        case GameWonChoice::Cancel:
            break;
    }
    refresh();
}

void TfrmMain::closeWithoutAsking() {
    askOnClose_ = false;
    // A dialog open at the time closes first, as if cancelled.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) modal->close();
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (program_ == nullptr) {
        event->accept();
        return;
    }
    const bool asking = askOnClose_;
    askOnClose_ = true;
    const std::string confirmQuit =
        asking ? ConfigFile(program_->settings()).ReadString(kPreferenceSection, "ConfirmQuit", "N") : "N";
    switch (DecideClose(table_->winningAnimationRunning(), asking, confirmQuit)) {
        case CloseStep::StopAnimation:
            table_->stopWinningAnimation();
            event->ignore();
            return;
        case CloseStep::Ask:
            if (program_->platform().messages.ask("Exit " + std::string(kProductName) + "?", kProductName,
                                                  MessageButtons::OkCancel, MessageIcon::Question) != Answer::Ok) {
                event->ignore();
                return;
            }
            break;
        case CloseStep::Close: break;
    }
    // A termination request ends a celebration too.
    closing_ = true;
    // The counter goes with the program, not by the player's hand: it is
    // to come back at the next start as it is now, so it is not closed.
    delete cardCounter_;
    cardCounter_ = nullptr;
    if (table_->winningAnimationRunning()) table_->stopWinningAnimation();
    clockTimer_->stop();
    Engine& engine = program_->engine();
    engine.EndGame();
    try {
        ProfileFile config = ConfigFile(program_->settings());
        config.WriteString(kPreferenceSection, "AutoPlay", engine.autoplayOn() ? "Y" : "N");
        const QSize kept = isMaximized() || isFullScreen() ? normalGeometry().size() : size();
        WriteWindowSize(config, {kept.width(), kept.height()});
    } catch (const std::exception&) {
        // The program ends all the same; the autoplay and size of last time stay.
    }
    event->accept();
}

}  // namespace dravicor
