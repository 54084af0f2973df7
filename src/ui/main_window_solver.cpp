// The solver's help in the main window: Hint, the live verdict in the
// status bar and New game with only winnable deals. The searches run on
// worker threads; the window forwards the table to them and shows what
// they answer.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "engine/engine.h"
#include "shell/options.h"
#include "shell/program.h"
#include "solver/engine_hints.h"
#include "solver/live_verdict.h"
#include "solver/solution_replay.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/solver_workers.h"
#include "ui/table_widget.h"

namespace dravicor {

namespace {
// A quick search goes unnoticed; a longer one shows its busy cursor and progress.
constexpr int kSearchShownAfterMs = 300;
}  // namespace

void TfrmMain::buildSolverPanels() {
    pnlSolverNote_ = new QLabel(this);
    pnlSolverNote_->setObjectName(QStringLiteral("pnlSolverNote"));
    statusBar()->addWidget(pnlSolverNote_, 2);

    // Not a message box: the player may as well look at the table and undo by hand.
    pnlNoMoves_ = new QWidget(this);
    pnlNoMoves_->setObjectName(QStringLiteral("pnlNoMoves"));
    auto* row = new QHBoxLayout(pnlNoMoves_);
    row->setContentsMargins(0, 0, 0, 0);
    auto* newGame = new QPushButton(QStringLiteral("New game"), pnlNoMoves_);
    newGame->setObjectName(QStringLiteral("btnNoMovesNewGame"));
    auto* undo = new QPushButton(QStringLiteral("Undo"), pnlNoMoves_);
    undo->setObjectName(QStringLiteral("btnNoMovesUndo"));
    for (QPushButton* button : {newGame, undo}) {
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
    }
    connect(newGame, &QPushButton::clicked, this, [this] { action("mnuNew").trigger(); });
    connect(undo, &QPushButton::clicked, this, [this] { action("mnuUndo").trigger(); });
    statusBar()->addWidget(pnlNoMoves_);
    pnlNoMoves_->hide();

    pnlVerdict_ = new QLabel(this);
    pnlVerdict_->setObjectName(QStringLiteral("pnlVerdict"));
    pnlVerdict_->setToolTip(ToQString(LiveVerdictNote()));
    statusBar()->addPermanentWidget(pnlVerdict_);

    hints_ = new HintWorker([this](const Hint& hint, std::uint64_t ticket) { hintFound(hint, ticket); }, nullptr);
    winnableDeals_ = new WinnableDealWorker(
        {[this](int tried, const std::string& number) { winnableDealProgress(tried, number); },
         [this](const WinnableDeal& deal) { winnableDealFound(deal); }},
        nullptr);
    verdict_ = std::make_unique<LiveVerdict>(DefaultLiveVerdictBudgets(), [this] {
        QMetaObject::invokeMethod(this, [this] { showVerdict(); }, Qt::QueuedConnection);
    });
    stopSearch_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopSearch_->setEnabled(false);
    connect(stopSearch_, &QShortcut::activated, this, [this] { winnableDeals_->stop(); });
    searchShown_ = new QTimer(this);
    searchShown_->setSingleShot(true);
    searchShown_->setInterval(kSearchShownAfterMs);
    connect(searchShown_, &QTimer::timeout, this, [this] {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        setSolverNote(searchProgress_);
    });
    if (program_ != nullptr) verdictWanted_ = ReadOptions(program_->settings()).showVerdict;
    showVerdict();
}

QString TfrmMain::solverNote() const { return pnlSolverNote_->text(); }

bool TfrmMain::lookingForWinnableDeal() const { return winnableDeals_->running(); }

void TfrmMain::setSolverNote(const QString& text) { pnlSolverNote_->setText(text); }

void TfrmMain::positionChanged() {
    if (program_ == nullptr) return;
    ++positionTicket_;
    hints_->cancel();
    showNoMovesLeft(false);
    const GameState& game = program_->game();
    const std::pair<int, std::string> deal{game.gameCode, game.gameNumber};
    if (dealKnown_ != deal) {
        dealKnown_ = deal;
        hints_->forgetDeal();
    }
    restartVerdict();
}

void TfrmMain::mnuHintClick() {
    if (program_ == nullptr) return;
    const Engine& engine = program_->engine();
    if (!engine.game().inProgress || engine.demoMode() || lookingForWinnableDeal()) return;
    hints_->start(engine, positionTicket_);
}

void TfrmMain::hintFound(const Hint& hint, std::uint64_t ticket) {
    if (program_ == nullptr || ticket != positionTicket_) return;
    if (!hint.move) {
        showNoMovesLeft(true);
        return;
    }
    Engine& engine = program_->engine();
    engine.NoteHintTaken();
    table_->showHint(MarksOfHint(engine.position(), *hint.move));
}

void TfrmMain::showNoMovesLeft(bool shown) {
    if (shown) {
        setSolverNote(QStringLiteral("No moves left"));
        pnlNoMoves_->findChild<QPushButton*>(QStringLiteral("btnNoMovesUndo"))
            ->setEnabled(program_ != nullptr && !program_->engine().history().undo.empty());
    } else if (!pnlNoMoves_->isHidden()) {
        setSolverNote({});
    }
    pnlNoMoves_->setVisible(shown);
}

void TfrmMain::applyVerdictPreference() {
    if (program_ == nullptr) return;
    verdictWanted_ = ReadOptions(program_->settings()).showVerdict;
    verdictKey_.reset();
    restartVerdict();
}

void TfrmMain::restartVerdict() {
    const Engine* engine = program_ != nullptr ? &program_->engine() : nullptr;
    const bool wanted = engine != nullptr && verdictWanted_ && engine->game().inProgress && !engine->demoMode() &&
                        engine->rules()[Rule::CardCount] != 0;
    if (!wanted) {
        verdict_->stop();
        verdictKey_.reset();
        showVerdict();
        return;
    }
    const GameState& game = engine->game();
    const std::pair<int, std::string> deal{game.gameCode, game.gameNumber};
    if (verdictDeal_ != deal) {
        verdictDeal_ = deal;
        verdict_->forget();
        verdictKey_.reset();
    }
    // Pressing a card or picking one up changes nothing the verdict is about.
    const std::size_t key = PositionHash(engine->position()) ^ (static_cast<std::size_t>(game.passNumber) << 48);
    if (verdictKey_ == key) return;
    verdictKey_ = key;
    verdict_->restart(EarlierSearchStates(*engine), SearchStartOf(*engine));
    showVerdict();
}

void TfrmMain::showVerdict() {
    const bool shown = verdictKey_.has_value();
    pnlVerdict_->setVisible(shown);
    if (shown) pnlVerdict_->setText(ToQString(LiveVerdictText(verdict_->report())));
}

void TfrmMain::dealWinnable() {
    Engine& engine = program_->engine();
    if (!engine.ConfirmLeaveGame()) return;
    showNoMovesLeft(false);
    searchProgress_ = QStringLiteral("Looking for a winnable deal… (Esc stops)");
    setSolverNote({});
    // The old deal stays on the table meanwhile, but is not to be played on.
    table_->setEnabled(false);
    stopSearch_->setEnabled(true);
    searchShown_->start();
    winnableDeals_->start(engine.rulesForNewDeal(), DefaultWinnableDealBudget());
}

void TfrmMain::winnableDealProgress(int tried, const std::string& number) {
    searchProgress_ = QStringLiteral("Looking for a winnable deal: game number %1, %2 tried (Esc stops)")
                          .arg(ToQString(number))
                          .arg(tried);
    if (!searchShown_->isActive()) setSolverNote(searchProgress_);
}

void TfrmMain::winnableDealFound(const WinnableDeal& deal) {
    if (searchShown_->isActive()) {
        searchShown_->stop();
    } else {
        QApplication::restoreOverrideCursor();
    }
    stopSearch_->setEnabled(false);
    table_->setEnabled(true);
    table_->setFocus();
    if (program_ == nullptr) return;
    Engine& engine = program_->engine();
    engine.EndGame();
    // Stopped before any number was drawn: an ordinary new deal.
    if (!deal.number.empty()) program_->settings().put(Field::CurrentGameNumber, deal.number);
    engine.StartGame(true, true, deal.number.empty() ? 2 : 0, false);
    const QString number = ToQString(engine.game().gameNumber);
    if (deal.proved) {
        setSolverNote(QStringLiteral("Game number %1 can be won").arg(number));
    } else if (deal.stopped) {
        setSolverNote(QStringLiteral("Stopped: game number %1 is dealt, not known to be winnable").arg(number));
    } else {
        setSolverNote(QStringLiteral("No winnable deal found in %1 numbers: game number %2 is dealt")
                          .arg(deal.tried)
                          .arg(number));
    }
    refresh();
}

}  // namespace dravicor
