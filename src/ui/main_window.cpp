#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "common/product.h"
#include "common/profile_file.h"
#include "engine/engine.h"
#include "savegame/saved_game.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/table_widget.h"

namespace dravicor {

namespace {
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr int kLargeToolbarHeight = 24;
constexpr int kSmallToolbarHeight = 20;
constexpr int kClockInterval = 1000;  // milliseconds

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Caption(std::string_view text) { return Text(ApplyProgramName(text)); }
}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), table_(new TableWidget(this)) { FormCreate(); }

TfrmMain::TfrmMain(Program& program, QWidget* parent)
    : QMainWindow(parent), program_(&program), table_(new TableWidget(this)) {
    FormCreate();
}

void TfrmMain::FormCreate() {
    setWindowTitle(Text(kProductName));
    setCentralWidget(table_);
    buildMenus();
    buildToolbars();
    buildPanels();
    wireCommands();
    resize(kDefaultWidth, kDefaultHeight);
    refresh();
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
    for (const char* later :
         {"mnuOpen", "mnuSelect", "mnuSave", "mnuPlayers", "mnuGameStatistics", "mnuPlayersStatistics",
          "mnuAllGamesStatistics", "mnuLogStatistics", "mnuHiScores", "mnuCustomize", "mnuOptions",
          "mnuCustomizeRules", "mnuFavorites", "mnuCardCounter", "mnuRules", "mnuContents", "mnuTips",
          "mnuUpdate", "mnuMailingList", "mnuAbout"}) {
        action(later).setEnabled(false);
    }
    web->menuAction()->setEnabled(false);
}

QToolBar* TfrmMain::buildToolbar(const char* objectName, int height) {
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QLatin1String(objectName));
    toolbar->setMovable(false);
    toolbar->setFixedHeight(height);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const std::pair<const char*, const char*> buttons[] = {
        {"mnuNew", "New"},         {"mnuOpen", "Open"},     {"mnuSave", "Save"},
        {nullptr, nullptr},        {"mnuUndo", "Undo"},     {"mnuRedo", "Redo"},
        {nullptr, nullptr},        {"mnuAutoplay", "Autoplay"},
        {nullptr, nullptr},        {"mnuGameStatistics", "Statistics"}, {"mnuRules", "Rules"},
        {nullptr, nullptr},        {"mnuRestartGame", "Restart"}, {"mnuExit", "Exit"}};
    for (const auto& [entry, hint] : buttons) {
        if (entry == nullptr) {
            toolbar->addSeparator();
            continue;
        }
        // The button is the menu entry's own action: same command, same state.
        QAction& command = action(entry);
        command.setIconText(QLatin1String(hint));
        command.setToolTip(QLatin1String(hint));
        toolbar->addAction(&command);
    }
    addToolBar(Qt::TopToolBarArea, toolbar);
    return toolbar;
}

void TfrmMain::buildToolbars() {
    largeToolbar_ = buildToolbar("tlbLarge", kLargeToolbarHeight);
    smallToolbar_ = buildToolbar("tlbSmall", kSmallToolbarHeight);
    // The large buttons until the toolbar preferences are wired.
    smallToolbar_->setVisible(false);
}

void TfrmMain::buildPanels() {
    auto panel = [this](const char* objectName, const QString& caption, QLabel*& value) {
        auto* box = new QWidget(this);
        box->setObjectName(QLatin1String(objectName));
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(4, 0, 4, 0);
        layout->addWidget(new QLabel(caption, box));
        value = new QLabel(box);
        layout->addWidget(value);
        statusBar()->addPermanentWidget(box);
    };
    pnlPlayer_ = new QLabel(this);
    pnlPlayer_->setObjectName(QStringLiteral("pnlPlayer"));
    statusBar()->addWidget(pnlPlayer_, 1);
    panel("pnlTime", QStringLiteral("Time:"), lblClock_);
    lblClock_->setObjectName(QStringLiteral("lblClock"));
    panel("pnlScore", QStringLiteral("Score:"), lblScore_);
    lblScore_->setObjectName(QStringLiteral("lblScore"));

    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(kClockInterval);
    connect(clockTimer_, &QTimer::timeout, this, &TfrmMain::showClock);
    clockTimer_->start();
}

void TfrmMain::wireCommands() {
    auto on = [this](const char* entry, void (TfrmMain::*handler)()) {
        connect(&action(entry), &QAction::triggered, this, handler);
    };
    on("mnuNew", &TfrmMain::mnuNewClick);
    on("mnuRestartGame", &TfrmMain::mnuRestartGameClick);
    on("mnuUndo", &TfrmMain::mnuUndoClick);
    on("mnuRedo", &TfrmMain::mnuRedoClick);
    on("mnuPause", &TfrmMain::mnuPauseClick);
    on("mnuQuitGame", &TfrmMain::mnuQuitGameClick);
    on("mnuAutoplay", &TfrmMain::mnuAutoplayClick);
    on("mnuDemo", &TfrmMain::mnuDemoClick);
    connect(&action("mnuExit"), &QAction::triggered, this, &QWidget::close);
    connect(table_, &TableWidget::engineChanged, this, &TfrmMain::refresh);
}

void TfrmMain::refresh() {
    const bool hasGame = program_ != nullptr && program_->game().gameCode != kNoGame;
    const bool inProgress = hasGame && program_->game().inProgress;
    for (const char* command : {"mnuNew", "mnuRestartGame", "mnuUndo", "mnuRedo", "mnuAutoplay"}) {
        action(command).setEnabled(hasGame);
    }
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
    } else {
        lblScore_->setText(QStringLiteral("0"));
    }
    showClock();
}

void TfrmMain::showClock() {
    const int seconds = program_ != nullptr ? program_->engine().elapsedSeconds() : 0;
    lblClock_->setText(Text(FormatClock(seconds)));
}

void TfrmMain::mnuNewClick() {
    if (program_ != nullptr) program_->engine().NewGame();
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
    if (program_ != nullptr) program_->engine().QuitGame();
    refresh();
}

void TfrmMain::mnuAutoplayClick() {
    if (program_ != nullptr) program_->engine().SetAutoplay(!program_->engine().autoplayOn());
    refresh();
}

void TfrmMain::mnuDemoClick() {
    if (program_ != nullptr) program_->demo().ToggleDemo();
    refresh();
}

void TfrmMain::closeWithoutAsking() {
    askOnClose_ = false;
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (program_ == nullptr) {
        event->accept();
        return;
    }
    if (askOnClose_ &&
        ConfigFile(program_->settings()).ReadString(kPreferenceSection, "ConfirmQuit", "N") != "N" &&
        program_->platform().messages.ask("Exit " + std::string(kProductName) + "?", kProductName,
                                          MessageButtons::OkCancel, MessageIcon::Question) != Answer::Ok) {
        askOnClose_ = true;
        event->ignore();
        return;
    }
    clockTimer_->stop();
    Engine& engine = program_->engine();
    engine.EndGame();
    try {
        ConfigFile(program_->settings())
            .WriteString(kPreferenceSection, "AutoPlay", engine.autoplayOn() ? "Y" : "N");
    } catch (const std::exception&) {
        // The program ends all the same; the autoplay of last time stays.
    }
    event->accept();
}

}  // namespace dravicor
