// The table's keys: they go to KeyboardPlay, whose focus is framed on the
// table, and what they do is said to screen readers.
#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "engine/table_speech.h"
#include "shell/high_contrast.h"
#include "ui/qt_text.h"
#include "ui/table_accessible.h"
#include "ui/table_widget.h"
#include "ui/winning_animation.h"

namespace dravicor {

namespace {

// A press of the mouse anywhere in the program finds cards that a key
// picked up back in their place: the table, the menus and the toolbar then
// work on the game as the mouse expects it.
class PressWatcher final : public QObject {
public:
    PressWatcher(QObject* parent, std::function<void()> onPress) : QObject(parent), onPress_(std::move(onPress)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) onPress_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onPress_;
};

std::optional<KeyCommand> CommandOfKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    switch (event.key()) {
        case Qt::Key_Left: return plain ? std::optional(KeyCommand::Left) : std::nullopt;
        case Qt::Key_Right: return plain ? std::optional(KeyCommand::Right) : std::nullopt;
        case Qt::Key_Up: return plain ? std::optional(KeyCommand::Up) : std::nullopt;
        case Qt::Key_Down: return plain ? std::optional(KeyCommand::Down) : std::nullopt;
        case Qt::Key_Tab:
            if (plain) return KeyCommand::Next;
            return modifiers == Qt::ShiftModifier ? std::optional(KeyCommand::Previous) : std::nullopt;
        case Qt::Key_Backtab: return KeyCommand::Previous;
        case Qt::Key_Space: return plain ? std::optional(KeyCommand::Activate) : std::nullopt;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (plain) return KeyCommand::Activate;
            return modifiers == Qt::ControlModifier ? std::optional(KeyCommand::ToFoundation) : std::nullopt;
        case Qt::Key_Escape: return plain ? std::optional(KeyCommand::Cancel) : std::nullopt;
        default: return std::nullopt;
    }
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

bool IsFocusMove(KeyCommand command) {
    return command != KeyCommand::Activate && command != KeyCommand::Cancel && command != KeyCommand::ToFoundation;
}

// A band of the given width just inside the rectangle.
void FillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() + 1 - width, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top() + width, width, outer.height() - 2 * width, colour);
    painter.fillRect(outer.right() + 1 - width, outer.top() + width, width, outer.height() - 2 * width, colour);
}

}  // namespace

void TableWidget::watchPressesForKeys() {
    qApp->installEventFilter(new PressWatcher(this, [this] {
        if (keys_ && keys_->carrying()) putCardsBack();
    }));
}

void TableWidget::readFocusPreferences() {
    if (!engine_) return;
    thickFocusFrame_ = HighContrastTable(engine_->settings());
}

bool TableWidget::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Tab and Shift+Tab move over the piles, not out of the table.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && CommandOfKey(*key)) {
            keyPressEvent(key);
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride && keys_ && keys_->carrying()) {
        // A shortcut (undo, a new game ...) finds the cards in their place.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!IsModifierKey(key->key()) && !CommandOfKey(*key)) putCardsBack();
    }
    return QWidget::event(event);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
    const auto command = CommandOfKey(*event);
    if (!engine_ || !keys_ || !command) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (winning_->running()) {
        winning_->stop();
        return;
    }
    runKeyCommand(*command);
}

void TableWidget::runKeyCommand(KeyCommand command) {
    const auto before = keys_->focus();
    keyFocusShown_ = true;
    keyCommandRunning_ = true;
    spokenDuringCommand_.clear();
    std::string speech = keys_->Command(command);
    keyCommandRunning_ = false;
    spokenPosition_ = engine_->position();
    const auto after = keys_->focus();
    const bool newPile = after && (!before || !(before->pile == after->pile));
    if (newPile) {
        // What was said before belongs to the pile left.
        announcement_.clear();
        TellReadersFocus(*this, after->pile);
    }
    // Landing on a pile is said by the focus itself, with the pile's name.
    if (IsFocusMove(command) && newPile && speech == DescribePile(*engine_, after->pile)) speech.clear();
    if (!spokenDuringCommand_.empty()) speech += (speech.empty() ? "" : " ") + spokenDuringCommand_;
    announce(speech);
    TellReadersTableChanged(*this);
    scrollToFocus();
    afterPointer();
    update();
}

// A focus beyond the window's lower or upper edge scrolls the table to it.
void TableWidget::scrollToFocus() {
    const auto shown = keys_->focusRect();
    if (!shown || !scrollBar_->isVisible()) return;
    const int margin = transform_.toWindowLength(10);
    const int below = toWindow({shown->left, shown->bottom}).y() + margin - height();
    const int above = margin - toWindow({shown->left, shown->top}).y();
    const int step = below > 0 ? below : (above > 0 ? -above : 0);
    if (step != 0) scrollBar_->setValue(scrollBar_->value() + static_cast<int>(step / transform_.scale()));
}

void TableWidget::announce(const std::string& text) {
    if (text.empty()) return;
    if (keyCommandRunning_) {
        spokenDuringCommand_ += (spokenDuringCommand_.empty() ? "" : " ") + text;
        return;
    }
    announcement_ = ToQString(text);
    TellReadersAnnouncement(*this);
    emit announced(announcement_);
}

// What a change made by other hands (the mouse, undo, a demo step) did,
// said once the event that made it is over, so that a move and the
// automatic moves after it are one sentence, and a deal is said as a deal.
void TableWidget::noteTableChange() {
    if (!engine_ || keyCommandRunning_ || changeQueued_) return;
    changeQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        changeQueued_ = false;
        if (!engine_ || engine_->position() == spokenPosition_) return;
        const std::string change = DescribeChange(spokenPosition_, engine_->position(), engine_->rules());
        spokenPosition_ = engine_->position();
        announce(change);
        TellReadersTableChanged(*this);
    });
}

void TableWidget::putCardsBack() {
    announce(keys_->PutBack());
    afterPointer();
    update();
}

void TableWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (keys_) {
        if (const auto focus = keys_->focus()) TellReadersFocus(*this, focus->pile);
    }
    update();
}

void TableWidget::focusOutEvent(QFocusEvent* event) {
    if (keys_ && keys_->carrying()) putCardsBack();
    QWidget::focusOutEvent(event);
    update();
}

// Yellow between two black lines, just outside the focused card: it shows
// on light and dark tables and beside cards of every colour.
void TableWidget::drawFocusFrame(QPainter& painter) const {
    if (!keys_ || !keyFocusShown_ || !hasFocus()) return;
    const auto shown = keys_->focusRect();
    if (!shown) return;
    const QRect place(toWindow({shown->left, shown->top}), toWindow({shown->right, shown->bottom}) - QPoint(1, 1));
    const int band = thickFocusFrame_ ? std::max(5, transform_.toWindowLength(7)) : std::max(2, transform_.toWindowLength(3));
    const QRect outer = place.adjusted(-band - 2, -band - 2, band + 2, band + 2);
    FillRing(painter, outer, 1, Qt::black);
    FillRing(painter, outer.adjusted(1, 1, -1, -1), band, QColor(255, 214, 0));
    FillRing(painter, outer.adjusted(band + 1, band + 1, -band - 1, -band - 1), 1, Qt::black);
}

}  // namespace dravicor
