#include "engine/keyboard_play.h"

#include <algorithm>
#include <array>

#include "engine/table_speech.h"
#include "play/gaps_family.h"

namespace dravicor {

namespace {

constexpr std::array<KeyHelpLine, 5> kKeyHelp = {{
    {"Arrow keys", "Move the focus to the next pile that way; up and down a column's face-up cards, along a row"},
    {"Tab, Shift+Tab", "Move the focus to the next or the previous pile, in reading order"},
    {"Space, Enter",
     "Pick up the focused card with the cards on it; with cards in hand, put them on the focused pile; "
     "on the stock, turn or deal cards; in the pairing games, select or deselect the focused card"},
    {"Escape", "Put the cards in hand back; in the pairing games, forget the cards selected"},
    {"Ctrl+Enter", "Send the focused card to a foundation, as a double-click does"},
}};

std::optional<FocusMove> MoveOf(KeyCommand command) {
    switch (command) {
        case KeyCommand::Left: return FocusMove::Left;
        case KeyCommand::Right: return FocusMove::Right;
        case KeyCommand::Up: return FocusMove::Up;
        case KeyCommand::Down: return FocusMove::Down;
        case KeyCommand::Next: return FocusMove::Next;
        case KeyCommand::Previous: return FocusMove::Previous;
        default: return std::nullopt;
    }
}

KeyCommand CommandOf(FocusMove move) {
    switch (move) {
        case FocusMove::Left: return KeyCommand::Left;
        case FocusMove::Right: return KeyCommand::Right;
        case FocusMove::Up: return KeyCommand::Up;
        case FocusMove::Down: return KeyCommand::Down;
        case FocusMove::Next: return KeyCommand::Next;
        case FocusMove::Previous: return KeyCommand::Previous;
    }
    return KeyCommand::Next;
}

// "7 of Hearts" or "7 of Hearts and 2 more cards": the card and those on it.
std::string CardsFrom(const Engine& engine, CardNumber card) {
    int above = 0;
    engine.position().piles.forEach([&](PileId, const Pile& pile) {
        const int at = pile.find(card);
        if (at < 0 || card == kNoCard) return;
        for (int i = at + 1; i < pile.size(); ++i) above += pile[i] != kNoCard;
    });
    if (above == 0) return CardName(card);
    return CardName(card) + " and " + std::to_string(above) + " more card" + (above == 1 ? "" : "s");
}

}  // namespace

std::span<const KeyHelpLine> KeyHelp() { return kKeyHelp; }

void KeyboardPlay::Reset() {
    carry_.reset();
    focus_.reset();
}

bool KeyboardPlay::carrying() const {
    return carry_ && engine_.isDragging() && engine_.game().cardInMotion == carry_->card;
}

std::optional<FocusPlace> KeyboardPlay::focusedPlace() const {
    const auto settled = focus();
    if (!settled) return std::nullopt;
    for (const FocusPlace& place : PilePlaces(engine_, settled->pile)) {
        if (place.focus == *settled) return place;
    }
    return std::nullopt;
}

std::optional<Rect> KeyboardPlay::focusRect() const {
    const auto place = focusedPlace();
    if (!place) return std::nullopt;
    return place->shown;
}

std::string KeyboardPlay::DescribeFocusNow() const {
    const auto settled = focus();
    if (!settled) return {};
    return carrying() ? DescribePile(engine_, settled->pile) : DescribeFocus(engine_, *settled);
}

std::vector<KeyCommand> KeyboardPlay::RouteTo(KeyFocus target) const {
    std::vector<KeyCommand> commands;
    const auto settled = focus();
    if (!settled) return commands;
    for (const FocusMove move : FocusRoute(engine_, *settled, target)) commands.push_back(CommandOf(move));
    return commands;
}

std::string KeyboardPlay::Command(KeyCommand command) {
    // Cards the engine no longer carries (a new deal, an undo) are not in hand.
    if (carry_ && !carrying()) carry_.reset();
    // While the mouse drags cards the keys leave the table alone.
    if (engine_.isDragging() && !carrying()) return {};
    focus_ = focus();
    if (!focus_) return {};
    if (const auto move = MoveOf(command)) {
        focus_ = MovedFocus(engine_, *focus_, *move);
        return DescribeFocusNow();
    }
    switch (command) {
        case KeyCommand::Activate: return activate();
        case KeyCommand::Cancel: return cancel();
        case KeyCommand::ToFoundation: return toFoundation();
        default: return {};
    }
}

std::string KeyboardPlay::activate() {
    const auto place = focusedPlace();
    if (!place) return {};
    if (carrying()) return drop(*place);
    const Point at = PressPoint(engine_, *place);
    if (engine_.demoMode()) {
        engine_.PointerPress(at);  // the engine's beep, as for the mouse
        return "A demo is shown.";
    }
    if (!engine_.game().inProgress) return "No game in progress.";
    const Position before = engine_.position();
    const std::vector<CardNumber> selected = engine_.selection();
    engine_.PointerPressOn(at, place->focus.pile, place->focus.card);
    if (engine_.isDragging()) {
        const CardNumber card = static_cast<CardNumber>(engine_.game().cardInMotion);
        const Point corner = engine_.CardPoint(card).value_or(at);
        carry_ = Carry{card, place->focus.pile, at, {at.x - corner.x, at.y - corner.y}};
        return CardsFrom(engine_, card) + " picked up.";
    }
    engine_.PointerRelease(at);
    const std::string change = DescribeChange(before, engine_.position(), engine_.rules());
    if (!change.empty()) return change;
    if (place->focus.pile.kind == PileKind::Stock) return "The stock gives no more cards.";

    if (engine_.rules()[Rule::SelectionPlay] != 0) {
        const std::vector<CardNumber>& now = engine_.selection();
        for (const CardNumber card : now) {
            if (std::find(selected.begin(), selected.end(), card) == selected.end()) return CardName(card) + " selected.";
        }
        for (const CardNumber card : selected) {
            if (std::find(now.begin(), now.end(), card) == now.end()) return CardName(card) + " no longer selected.";
        }
    }
    if (place->focus.card == kNoCard) return "Nothing to take here.";
    return CardName(place->focus.card) + " cannot be taken.";
}

std::string KeyboardPlay::drop(const FocusPlace& target) {
    const Carry carry = *carry_;
    // Back where it came from, but for a gaps game's card dropped on another
    // card of its own row: that is a move into the row's gap.
    const bool intoOwnRow = IsGapsGame(SpecialGameOf(engine_.rules())) && target.focus.card != carry.card;
    if (target.focus.pile == carry.from && !intoOwnRow) return PutBack();
    carry_.reset();
    const Position before = engine_.position();
    const TableGeometry table = engine_.geometry();
    // The cards are shown held over the pile's top card (or its empty
    // place) and go to that pile, whatever else fans over the place.
    const Point to{table.PileCardX(target.focus.pile, 0, false) + carry.grip.x,
                   table.PileCardY(target.focus.pile, 0, false) + carry.grip.y};
    engine_.PointerMove(to);
    if (engine_.PointerReleaseOn(target.focus.pile)) return DescribeChange(before, engine_.position(), engine_.rules());
    return PileTitle(target.focus.pile, engine_.rules()) + " does not take " + CardName(carry.card) + ".";
}

std::string KeyboardPlay::PutBack() {
    if (!carrying()) {
        carry_.reset();
        return {};
    }
    const Carry carry = *carry_;
    carry_.reset();
    engine_.PointerRelease(carry.pressed);
    return CardName(carry.card) + " put back.";
}

std::string KeyboardPlay::cancel() {
    if (carrying()) return PutBack();
    if (!engine_.selection().empty()) {
        engine_.ClearSelection();
        return "Selection cleared.";
    }
    return {};
}

std::string KeyboardPlay::toFoundation() {
    std::string said = PutBack();
    if (!said.empty()) said += " ";
    const auto place = focusedPlace();
    if (!place) return said;
    // A double-click on the stock is two clicks; the key makes one.
    if (place->focus.pile.kind == PileKind::Stock || engine_.demoMode()) return said + activate();
    if (!engine_.game().inProgress) return said + "No game in progress.";
    const Position before = engine_.position();
    const Point at = PressPoint(engine_, *place);
    // The mouse's double-click: press, release, the double-click, and its
    // second press and release, which the engine knows to ignore.
    engine_.PointerPressOn(at, place->focus.pile, place->focus.card);
    engine_.PointerRelease(at);
    engine_.DoubleClick(at);
    engine_.PointerPressOn(at, place->focus.pile, place->focus.card);
    engine_.PointerRelease(at);
    const std::string change = DescribeChange(before, engine_.position(), engine_.rules());
    if (!change.empty()) return said + change;
    if (place->focus.card == kNoCard) return said + "Nothing to send here.";
    return said + CardName(place->focus.card) + " does not go to a foundation.";
}

}  // namespace dravicor
