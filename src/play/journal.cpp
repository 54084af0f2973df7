#include "play/journal.h"

namespace dravicor {

void StateEditor::append(int pile, CardNumber card, bool faceUp) {
    Pile& p = this->pile(pile);
    if (p.full()) return;
    p.append(card);
    record(Journal::Op::Pushed, pile, 0, card);
    if (card != kNoCard) setFaceUp(card, faceUp);
}

void StateEditor::appendKeepingFace(int pile, CardNumber card) {
    Pile& p = this->pile(pile);
    if (p.full()) return;
    p.append(card);
    record(Journal::Op::Pushed, pile, 0, card);
}

void StateEditor::eraseAt(int pile, int index) {
    Pile& p = this->pile(pile);
    record(Journal::Op::Erased, pile, index, p[index]);
    p.eraseAt(index);
}

void StateEditor::setAt(int pile, int index, CardNumber card) {
    Pile& p = this->pile(pile);
    if (p[index] == card) return;
    record(Journal::Op::Overwritten, pile, index, p[index]);
    p.setAt(index, card);
}

void StateEditor::remove(int pile, int card, RemoveMode mode) {
    const int index = this->pile(pile).find(card);
    if (index < 0 || card == kNoCard) return;
    switch (mode) {
        case RemoveMode::Delete: eraseAt(pile, index); break;
        case RemoveMode::LeaveSlot: setAt(pile, index, kNoCard); break;
        case RemoveMode::DeleteWithSlot:
            eraseAt(pile, index);
            if (index > 0 && this->pile(pile)[index - 1] == kNoCard) eraseAt(pile, index - 1);
            break;
    }
}

void StateEditor::clearPile(int pile) {
    Pile& p = this->pile(pile);
    while (!p.empty()) eraseAt(pile, p.size() - 1);
}

void StateEditor::setFaceUp(int card, bool up) {
    CardTable& table = state_.position.cardTable;
    if (!IsCard(card) || table.IsFaceUp(card) == up) return;
    record(Journal::Op::Turned, 0, 0, card, table.IsFaceUp(card) ? 1 : 0);
    table.SetFaceUp(card, up);
}

void StateEditor::setPass(int pass) {
    if (state_.passNumber == pass) return;
    record(Journal::Op::Pass, 0, 0, 0, state_.passNumber);
    state_.passNumber = static_cast<std::int16_t>(pass);
}

void StateEditor::setMoveCounter(int counter) {
    if (state_.moveCounter == counter) return;
    record(Journal::Op::MoveCounter, 0, 0, 0, state_.moveCounter);
    state_.moveCounter = static_cast<std::int16_t>(counter);
}

void StateEditor::setTableauMoves(int count) {
    if (state_.tableauMoves == count) return;
    record(Journal::Op::TableauMoves, 0, 0, 0, state_.tableauMoves);
    state_.tableauMoves = static_cast<std::int16_t>(count);
}

void StateEditor::select(CardNumber card) {
    record(Journal::Op::Selected, 0, 0, card);
    state_.selection.push(card);
}

void StateEditor::deselectAt(int index) {
    record(Journal::Op::Deselected, 0, index, state_.selection[index]);
    state_.selection.eraseAt(index);
}

void StateEditor::clearSelection() {
    while (!state_.selection.empty()) deselectAt(state_.selection.size() - 1);
}

Journal::Touched Journal::touchedSince(UndoMark mark) const {
    Touched touched;
    for (size_t i = mark.size; i < changes_.size(); ++i) {
        const Change& c = changes_[i];
        switch (c.op) {
            case Op::Pushed:
            case Op::Erased:
            case Op::Overwritten: touched.piles |= std::uint64_t{1} << c.pile; break;
            case Op::Turned:
                if (touched.turnedCount < Touched::kMostTurned) {
                    touched.turned[static_cast<size_t>(touched.turnedCount++)] = c.card;
                } else {
                    touched.manyTurned = true;
                }
                break;
            case Op::Pass:
            case Op::MoveCounter:
            case Op::TableauMoves: touched.counters = true; break;
            case Op::Selected:
            case Op::Deselected: touched.selection = true; break;
        }
    }
    return touched;
}

void UndoMove(PlayState& state, Journal& journal, UndoMark mark) {
    auto& changes = journal.changes_;
    PileLists& piles = state.position.piles;
    while (changes.size() > mark.size) {
        const Journal::Change c = changes.back();
        changes.pop_back();
        switch (c.op) {
            case Journal::Op::Pushed: PileAtIndex(piles, c.pile).pop(); break;
            case Journal::Op::Erased: PileAtIndex(piles, c.pile).insertAt(c.index, c.card); break;
            case Journal::Op::Overwritten: PileAtIndex(piles, c.pile).setAt(c.index, c.card); break;
            case Journal::Op::Turned: state.position.cardTable.SetFaceUp(c.card, c.value != 0); break;
            case Journal::Op::Pass: state.passNumber = c.value; break;
            case Journal::Op::MoveCounter: state.moveCounter = c.value; break;
            case Journal::Op::TableauMoves: state.tableauMoves = c.value; break;
            case Journal::Op::Selected: state.selection.pop(); break;
            case Journal::Op::Deselected: state.selection.insertAt(c.index, c.card); break;
        }
    }
}

}  // namespace dravicor
