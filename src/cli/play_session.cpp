#include "cli/play_session.h"

#include <charconv>
#include <filesystem>
#include <sstream>
#include <vector>

#include "common/profile_file.h"
#include "common/text_resources.h"
#include "engine/card_counter.h"
#include "engine/player_input.h"
#include "savegame/saved_game.h"
#include "select/game_numbers.h"
#include "common/text.h"
#include "shell/preferences.h"
#include "rules/rule_codes.h"
#include "shell/program.h"
#include "solver/engine_hints.h"
#include "solver/solution_replay.h"

namespace dravicor {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// What follows the command word, without blanks around: a file name may
// hold blanks of its own.
std::string ArgumentText(const std::string& line) {
    const std::string_view text = Trim(line);
    const auto end = text.find_first_of(" \t");
    return end == std::string_view::npos ? std::string() : std::string(Trim(text.substr(end)));
}

std::optional<int> CardNumberOf(const std::string& text) {
    int card = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), card);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !IsCard(card)) return std::nullopt;
    return card;
}

// Presses land this far inside a card: clear of the cards fanned above it.
constexpr Point kGrip{2, 2};

Point Offset(Point p, Point by) { return {p.x + by.x, p.y + by.y}; }

// Where the card lies now (its pile), or nothing.
std::optional<PileId> PileOf(const Position& position, int card) {
    std::optional<PileId> found;
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!found && pile.contains(card)) found = id;
    });
    return found;
}

}  // namespace

std::string CardLabel(int card, bool faceUp) {
    if (card == kNoCard) return "..";
    if (!faceUp) return "##";
    // A number beyond the pack has no rank to show (and must not index the names).
    if (!IsCard(card)) return "??";
    static constexpr char kRanks[] = "A23456789TJQK";
    static constexpr char kSuits[] = "HDCS";
    return {kRanks[CardRank(card) - 1], kSuits[CardSuit(card) - 1]};
}

bool PlaySession::start(int code, const std::string& numberText) {
    Engine& engine = program_.engine();
    engine.setObserver(this);
    if (!program_.selectGame(code)) return false;
    engine.SetAutoplay(AutoplayPreference(program_.settings()));
    if (numberText.empty()) return engine.NewGame();
    program_.settings().put(Field::CurrentGameNumber, numberText);
    return engine.StartGame(true, true, 0, false);
}

void PlaySession::run(std::istream& in) {
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!answer(line)) return;
    }
    answer("quit");
}

bool PlaySession::answer(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    Engine& engine = program_.engine();
    const std::string command = words.empty() ? "" : words[0];
    const auto argumentCount = words.size() - (words.empty() ? 0 : 1);

    if (command == "quit" && argumentCount == 0) {
        // A declined confirmation keeps the game unrecorded; the session ends either way.
        out_ << (engine.QuitGame() ? "ok" : "refused") << "\n.\n";
        out_.flush();
        return false;
    }
    if (command == "snapshot" && argumentCount == 0) {
        printSnapshot();
    } else if (command == "moves" && argumentCount == 0) {
        printMoves();
    } else if (command == "state" && argumentCount == 0) {
        printState();
    } else if (command == "hint" && argumentCount == 0) {
        printHint();
    } else if (command == "show" && argumentCount == 0) {
        printTable();
    } else if (command == "move" && argumentCount == 2) {
        const std::string result = move(words[1], words[2]);
        out_ << result << '\n';
        if (result == "ok") printPokerPanel();
    } else if (command == "stock" && argumentCount == 0) {
        out_ << stock() << '\n';
    } else if (command == "dblclick" && argumentCount == 1) {
        out_ << doubleClick(words[1]) << '\n';
    } else if ((command == "undo" || command == "redo") && argumentCount == 0) {
        const bool done = command == "undo" ? engine.Undo() : engine.Redo();
        out_ << (done ? "ok" : "beep") << '\n';
    } else if (command == "save" && argumentCount >= 1) {
        out_ << save(ArgumentText(line)) << '\n';
    } else if (command == "load" && argumentCount >= 1) {
        const std::string error =
            LoadSavedGame(ArgumentText(line), engine, program_.settings(), program_.savedGameCatalogue());
        if (!error.empty()) out_ << "message: " << error << '\n';
        out_ << (error.empty() ? "ok" : "refused") << '\n';
    } else if (command == "restart" && argumentCount == 0) {
        out_ << (RestartGame(engine, program_.settings(), program_.platform().sound) ? "ok" : "refused") << '\n';
    } else if (command == "press" && argumentCount == 1) {
        const std::string result = press(words[1]);
        out_ << result << '\n';
        if (result == "ok") printPokerPanel();
    } else if (command == "counter" && argumentCount <= 1) {
        out_ << counter(argumentCount == 1 ? words[1] : "");
    } else if (command == "selection" && argumentCount == 0) {
        std::string text;
        for (const CardNumber card : engine.selection()) text += CardText(card);
        if (!text.empty()) out_ << text << '\n';
    } else if (command == "number" && argumentCount == 1) {
        out_ << chooseNumber(words[1]) << '\n';
    } else if (command == "demo" && (argumentCount == 1 || (argumentCount == 2 && words[1] == "goto"))) {
        out_ << demo(words[1], argumentCount == 2 ? words[2] : "") << '\n';
    } else if (command == "autoplay" && argumentCount == 1 && (words[1] == "on" || words[1] == "off")) {
        engine.SetAutoplay(words[1] == "on");
        out_ << "ok\n";
    } else if (command.empty()) {
        out_ << "error: empty command\n";
    } else {
        out_ << "error: unknown command or wrong arguments: " << line << '\n';
    }
    out_ << ".\n";
    out_.flush();
    return true;
}

void PlaySession::printSnapshot() {
    for (const std::string& line : BuildSnapshot(program_.engine().position())) out_ << line << '\n';
}

void PlaySession::printMoves() {
    const Engine& engine = program_.engine();
    for (const PlayerMove& m : engine.LegalMoves()) out_ << CardText(m.card) << ' ' << PileName(m.target) << '\n';
    // Presses: a card to the discard pile, or the cards of a selection.
    for (const CardNumber card : engine.DiscardMoves()) out_ << "press " << CardText(card) << '\n';
    for (const auto& selection : engine.SelectionMoves()) {
        out_ << "press";
        for (const CardNumber card : selection) out_ << ' ' << CardText(card);
        out_ << '\n';
    }
    if (engine.StockWouldAct()) out_ << "stock\n";
}

void PlaySession::printState() {
    const GameState& game = program_.engine().game();
    out_ << "game " << game.gameCode << '\n'
         << "number " << game.gameNumber << '\n'
         << "score " << game.score << '\n'
         << "pass " << game.passNumber << '\n'
         << "moves " << game.moveCounter << '\n'
         << "won " << (game.won || sawWin_ ? "yes" : "no") << '\n'
         << "in-progress " << (game.inProgress ? "yes" : "no") << '\n'
         << "hints " << game.hintsUsed << '\n'
         << "verdict " << verdictWord() << '\n';
}

// The verdict on the position on the table, for the deal with every card
// known, within a budget of positions so that the same position always
// gets the same answer.
std::string_view PlaySession::verdictWord() {
    constexpr std::int64_t kVerdictPositions = 200000;
    SolveOptions options;
    options.budget.positions = kVerdictPositions;
    switch (Solve(SearchStartOf(program_.engine()), options).verdict) {
        case Verdict::Won: return "winnable";
        case Verdict::Lost: return "not-winnable";
        case Verdict::Unknown: break;
    }
    return "unknown";
}

void PlaySession::printHint() {
    Engine& engine = program_.engine();
    const Hint hint = HintForEngine(engine, hints_, HintBudget(engine.rules()));
    // As on the desktop, only a hint that shows a move counts as taken.
    if (hint.move && engine.game().inProgress) engine.NoteHintTaken();
    out_ << (hint.move ? HintCommands(*hint.move) : "No moves left") << '\n';
}

void PlaySession::printTable() {
    const Engine& engine = program_.engine();
    const Position& position = engine.position();
    const TableGeometry table = engine.geometry();
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine.origins().isOnTable(id)) return;
        out_ << PileName(id) << ':';
        // A pile drawn stacked shows only its top card, as on the table.
        const bool stacked = pile.size() > 1 && table.cardPosition(id, 0) == table.cardPosition(id, pile.size() - 1);
        if (id.kind == PileKind::Stock) {
            out_ << ' ' << pile.size() << (pile.size() == 1 ? " card" : " cards");
        } else if (stacked) {
            out_ << ' ' << pile.size() << " cards, top " << CardLabel(pile.top(), position.cardTable.IsFaceUp(pile.top()));
        } else {
            for (const CardNumber card : pile.groups()) out_ << ' ' << CardLabel(card, position.cardTable.IsFaceUp(card));
        }
        out_ << '\n';
    });
}

std::string PlaySession::move(const std::string& cardText, const std::string& target) {
    const auto card = CardNumberOf(cardText);
    const auto pile = ParsePileName(target);
    if (!card || !pile) return "refused";
    return PlaceCard(program_.engine(), {static_cast<CardNumber>(*card), *pile}) ? "ok" : "refused";
}

std::string PlaySession::save(const std::string& file) {
    Platform& platform = program_.platform();
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        const std::string question = LoadText(program_.settings(), TextId::ReplaceExistingFile);
        if (platform.messages.ask(question, LoadText(program_.settings(), TextId::SaveGameTitle), MessageButtons::YesNo,
                                  MessageIcon::Question) != Answer::Yes) {
            return "refused";
        }
    }
    const std::string error = SaveGameFile(file, program_.engine(), program_.settings());
    if (error.empty()) return "ok";
    out_ << "message: " << error << '\n';
    return "refused";
}

void PlaySession::printPokerPanel() {
    const Engine& engine = program_.engine();
    if (SpecialGameOf(engine.rules()) != SpecialGame::PokerGrid) return;
    const PokerPanelText& panel = engine.pokerPanel();
    out_ << "panel: " << panel.line1.value_or("") << "\npanel: " << panel.line2.value_or("") << "\npanel: "
         << panel.line3 << '\n';
}

// The card counter as it shows the position; an option name toggles it first.
std::string PlaySession::counter(const std::string& option) {
    const Engine& engine = program_.engine();
    if (option == "stock") {
        counter_.ToggleStockOnly(engine.position(), engine.rules());
    } else if (option == "tableau") {
        counter_.ToggleTableauOnly(engine.position(), engine.rules());
    } else if (option == "inverted") {
        counter_.ToggleInverted(engine.position(), engine.rules());
    } else if (!option.empty()) {
        return "error: counter [stock|tableau|inverted]\n";
    }
    counter_.Recount(engine.position(), engine.rules());
    std::string text;
    for (const std::string& line : CardCounterText(counter_)) text += line + '\n';
    return text;
}

std::string PlaySession::press(const std::string& what) {
    Engine& engine = program_.engine();
    std::optional<Point> at;
    if (what == "stock") {
        if (engine.origins().isOnTable(PileId::Stock())) at = engine.origins().origin(PileId::Stock());
    } else if (const auto card = CardNumberOf(what)) {
        at = engine.CardPoint(*card);
    }
    if (!at) return "refused";
    const CompactPosition before = CompactPosition::From(engine.position(), false);
    const std::vector<CardNumber> selectedBefore = engine.selection();
    engine.PointerPress(Offset(*at, kGrip));
    engine.PointerRelease(Offset(*at, kGrip));
    const bool changed =
        CompactPosition::From(engine.position(), false) != before || engine.selection() != selectedBefore;
    return changed ? "ok" : "refused";
}

std::string PlaySession::chooseNumber(const std::string& text) {
    const GameNumberEntry entry = CheckGameNumber(text);
    if (!entry.message.empty()) program_.platform().messages.showMessage(entry.message, kProductName, MessageIcon::Warning);
    if (entry.check != GameNumberCheck::Accepted) return "refused";
    return DealChosenNumber(program_.engine(), program_.settings(), entry.number) == ChosenDealOutcome::Dealt ? "ok"
                                                                                                            : "refused";
}

std::string PlaySession::demo(const std::string& action, const std::string& stepText) {
    DemoPlayer& demo = program_.demo();
    if (action == "on" || action == "off") {
        if (demo.active() != (action == "on") && !demo.ToggleDemo()) return "refused";
    } else if (!demo.active()) {
        return "refused";
    } else if (action == "first") {
        demo.first();
    } else if (action == "prior") {
        demo.prior();
    } else if (action == "next") {
        demo.next();
    } else if (action == "last") {
        demo.last();
    } else if (action == "goto") {
        int target = 0;
        const auto [end, ec] = std::from_chars(stepText.data(), stepText.data() + stepText.size(), target);
        if (ec != std::errc{} || end != stepText.data() + stepText.size() || target < 1 || target > demo.maximum()) {
            return "error: the step must be a number from 1 to " + std::to_string(demo.maximum());
        }
        demo.scrollTo(target);
    } else {
        return "error: demo on|off|first|prior|next|last|goto N";
    }
    return "step " + demo.counterText();
}

std::string PlaySession::stock() { return ClickStock(program_.engine()) ? "ok" : "refused"; }

std::string PlaySession::doubleClick(const std::string& cardText) {
    Engine& engine = program_.engine();
    const auto card = CardNumberOf(cardText);
    if (!card) return "refused";
    const auto from = engine.CardPoint(*card);
    const auto pileBefore = PileOf(engine.position(), *card);
    if (!from) return "refused";
    const Point at = Offset(*from, kGrip);
    engine.PointerPress(at);
    engine.PointerRelease(at);
    engine.DoubleClick(at);
    engine.PointerPress(at);
    engine.PointerRelease(at);
    return PileOf(engine.position(), *card) != pileBefore ? "ok" : "refused";
}

}  // namespace dravicor
