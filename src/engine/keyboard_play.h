#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/keyboard_focus.h"

namespace dravicor {

// What the keys of the table ask for; the front end maps its keys onto these.
enum class KeyCommand {
    Left,
    Right,
    Up,
    Down,
    Next,          // Tab
    Previous,      // Shift+Tab
    Activate,      // Space, Enter
    Cancel,        // Escape
    ToFoundation,  // Ctrl+Enter
};

// One line of the list of keys that the help and the options dialog show.
struct KeyHelpLine {
    std::string_view keys;
    std::string_view action;
};
std::span<const KeyHelpLine> KeyHelp();

// Play from the keyboard. A focus moves over the table (see MovedFocus);
// what a key does to the game it does through the engine's pointer input at
// the focused card, exactly as the mouse would: Activate presses there (on
// the stock a click, in the pairing games a selection, elsewhere a pick-up
// that keeps the cards in hand), and with cards in hand moves them onto the
// focused pile and lets go, so the engine's rules accept or refuse the drop;
// ToFoundation makes the mouse's double-click. Each command answers with
// what a player who cannot see the table needs to hear.
class KeyboardPlay {
public:
    explicit KeyboardPlay(Engine& engine) : engine_(engine) {}

    // Carries out the command; the words that tell what happened (empty
    // when the command does not apply, e.g. while the mouse drags).
    std::string Command(KeyCommand command);
    // Cards in hand go back where they came from (another input needs the
    // table). Empty when there were none.
    std::string PutBack();
    // A new deal: the focus starts again at the first pile.
    void Reset();

    // The focus as the table stands now; nothing when no pile is shown.
    std::optional<KeyFocus> focus() const { return SettledFocus(engine_, focus_); }
    // The part of the focused place that shows, in table pixels.
    std::optional<Rect> focusRect() const;
    // Are cards in hand (picked up by a key and not yet put down)?
    bool carrying() const;
    // The focused place in words.
    std::string DescribeFocusNow() const;
    // The commands that take the focus from where it is to a place of the
    // target (to its very card when target.card is set).
    std::vector<KeyCommand> RouteTo(KeyFocus target) const;

private:
    struct Carry {
        CardNumber card;
        PileId from;
        Point pressed;  // where the press picked the cards up
        Point grip;     // the press point less the card's top-left corner
    };

    std::optional<FocusPlace> focusedPlace() const;
    std::string activate();
    std::string drop(const FocusPlace& target);
    std::string toFoundation();
    std::string cancel();

    Engine& engine_;
    std::optional<KeyFocus> focus_;
    std::optional<Carry> carry_;
};

}  // namespace dravicor
