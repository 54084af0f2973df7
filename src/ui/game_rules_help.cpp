#include "ui/game_rules_help.h"

#include "common/product.h"
#include "rules/catalogue.h"
#include "rules/help_topics.h"
#include "select/custom_rules_comparison.h"
#include "shell/program.h"
#include "ui/custom_help_dialog.h"
#include "ui/help_window.h"

namespace dravicor {

GameRulesHelp::GameRulesHelp(Program& program, QWidget* window)
    : QObject(window), program_(program), window_(window) {}

void GameRulesHelp::report(const std::string& text) {
    program_.platform().messages.showMessage(text, kProductName, MessageIcon::Information);
}

TfrmHelp& GameRulesHelp::help() {
    if (help_.isNull()) help_ = new TfrmHelp(program_.programDir() / kHelpFolderName, program_.platform().messages, window_);
    return *help_;
}

// A window that could not show its first page is not opened empty.
void GameRulesHelp::showHelp(bool shown) {
    if (!shown) return;
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void GameRulesHelp::ShowGameRules(int code) {
    if (code == -1) code = program_.game().gameCode;
    if (code == kNoGame) return;
    if (code >= kFirstCustomCode) {
        showComparison(code);
        return;
    }
    const auto page = RulesPageName(code);
    if (!page) {
        report("There is no game " + std::to_string(code) + ".");
        return;
    }
    showHelp(help().showPage(*page));
}

void GameRulesHelp::ShowContents() { showHelp(help().showContents()); }

void GameRulesHelp::showComparison(int code) {
    CustomRulesComparison comparison;
    {
        BusyScope busy(program_.platform().cursor);
        const auto game = program_.customGameFile().find(code);
        if (!game) {
            report("There is no customized game " + std::to_string(code) + ".");
            return;
        }
        const NoCustomGames builtIn;
        try {
            const GameRules baseRules = LoadGameRules(program_.cataloguePath(), game->baseCode, builtIn);
            comparison = CompareCustomRules(*game, GameNameOf(program_.gameList(), game->baseCode, builtIn), baseRules);
        } catch (const CatalogueError& error) {
            report(error.what());
            return;
        }
    }
    if (!comparison_.isNull()) comparison_->close();
    const QPointer<GameRulesHelp> self(this);
    const int base = comparison.baseCode;
    comparison_ = new TfrmCustomHelp(
        comparison,
        [self, base] {
            if (!self.isNull()) self->ShowGameRules(base);
        },
        window_);
    comparison_->setAttribute(Qt::WA_DeleteOnClose);
    comparison_->show();
}

}  // namespace dravicor
