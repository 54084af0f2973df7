#pragma once

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include <QColor>
#include <QCursor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "engine/engine.h"
#include "engine/keyboard_play.h"
#include "solver/engine_hints.h"
#include "ui/card_flights.h"
#include "ui/card_images.h"
#include "ui/table_transform.h"

class QScrollBar;

namespace dravicor {

class PauseScreen;
class TableAppearance;
class WinningAnimation;

// Pictures of the table that come from the resource library.
struct TablePictures {
    QPixmap pauseTitle;   // BMP_PAUSE_1
    QPixmap pauseResume;  // BMP_PAUSE_2
    QPixmap pokerPanel;   // Panel_pk
};

// The card table: the main window's client area. It draws the game from the
// engine's position and geometry — background, empty-pile markers, cards,
// selection frames, the panels of the special games — scaled to the window,
// lets cards fly to their new places, deals card by card, shows the pause
// and celebrates a win. Mouse input is mapped back to table pixels and goes
// to the engine's pointer handling; the rules stay there. Keys go to
// KeyboardPlay, whose focus the table frames; what happens is put into
// words for screen readers (see table_accessible.h).
class TableWidget final : public QWidget, private EngineObserver {
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);
    ~TableWidget() override;

    // The game to draw and the pictures to draw it with (both outlive the
    // widget). doubleSize, when given, holds the same pictures at twice the
    // size, used when cards are drawn more than a quarter bigger than their
    // own size or on a high-density screen.
    void showGame(Engine& engine, const CardImages& images, const CardImages* doubleSize = nullptr);
    // The same, with every picture (cards at both sizes, the background)
    // from the appearance, which a new game may change at random.
    void showGame(Engine& engine, TableAppearance& appearance);
    // The appearance's pictures changed (a dialog applied other cards).
    void appearanceChanged();
    // The settings chose other pictures: the appearance reloads what
    // changed and the table is drawn again.
    void reloadAppearance();
    // New pictures of the same game (another face set or back).
    void setCardImages(const CardImages& images, const CardImages* doubleSize = nullptr);
    void setTablePictures(const TablePictures& pictures);
    // Scaled to the window (the default) or drawn at the cards' own size.
    void setScaledToWindow(bool scaled);
    bool scaledToWindow() const { return scaled_; }

    // The pointer over the table, and while cards are dragged.
    void setPointerCursors(const QCursor& normal, const QCursor& dragging);

    // The celebration of a won game; a close request ends it early.
    // A won game has not been announced yet (gameWonCelebrated is still to come).
    bool celebrationPending() const { return celebrationPending_; }
    bool winningAnimationRunning() const;
    void stopWinningAnimation();

    QColor background() const { return defaultBackground_; }
    const TableTransform& transform() const { return transform_; }
    // Window pixels of a point of the table, and back.
    QPoint toWindow(Point table) const;
    Point toTable(QPoint window) const;
    // Are cards still flying (or a deal being shown)?
    bool cardsInFlight() const;
    // Shows every card in its place at once.
    void landCards();
    QScrollBar& scrollBar() const { return *scrollBar_; }

    // A hint: its cards rise a little (a short flight) and the pile they go
    // to is outlined, until the next action on the table clears it.
    void showHint(const HintMarks& marks);
    void clearHint();
    const std::optional<HintMarks>& hintShown() const { return hint_; }
    // Where a lifted card of the hint is drawn, relative to its place (table pixels).
    static constexpr int kHintLift = 6;

    // Keyboard play and the table in words (the accessible view reads them).
    const Engine* engine() const { return engine_; }
    const KeyboardPlay* keyboard() const { return keys_.get(); }
    // The last thing said about the table: a move, a refusal, a deal, a win.
    const QString& announcement() const { return announcement_; }
    // Is the focus frame drawn thick (the high-contrast table)?
    bool thickFocusFrame() const { return thickFocusFrame_; }

signals:
    // The engine reported a change of the game shown (a move, a deal, undo ...).
    void engineChanged();
    // A game has been put on the table (a new deal, a restart, a saved game).
    void dealShown();
    // A frame of the table has been painted.
    void tablePainted();
    // The celebration of a won game is over (played out or stopped).
    void winningAnimationFinished();
    // A game has been won and its celebration, if any, is over: the time to
    // offer what next. Queued, so the engine has finished with the game.
    void gameWonCelebrated();
    // Something was said about the table (also told to screen readers).
    void announced(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // EngineObserver
    void tableChanged() override;
    void gameWon() override;
    void gameShown(bool animate) override;

    struct ShownCards;
    struct CardOnTable {
        CardNumber card;
        Point at;  // table pixels
        PileId pile;
    };

    // Lays the game out for the window and fits the scroll bar.
    void layOut();
    void fitTable();
    int pilesRight() const;
    int contentRight() const;
    void updateScrollBar();
    int heightNeeded() const;
    std::vector<CardOnTable> cardsOnTable() const;
    std::vector<CardFlights::Place> placesOf(const std::vector<CardOnTable>& cards) const;
    void followEngine();
    void announceWin();
    void startFrames();
    void frame();
    void showPause(bool on);
    QPixmap pauseBackdrop() const;
    int cardSpeed() const;
    double now() const { return static_cast<double>(clock_.elapsed()); }
    void afterPointer();

    // Keys (table_widget_keys.cpp).
    void runKeyCommand(KeyCommand command);
    void announce(const std::string& text);
    void noteTableChange();
    void readFocusPreferences();
    void putCardsBack();
    void watchPressesForKeys();
    void scrollToFocus();
    void drawFocusFrame(QPainter& painter) const;

    // Drawing.
    const ShownCards& shown() const;
    const QPixmap& pictureOf(CardNumber card) const;
    QRect cardRect(Point table) const;
    QRect dragRect() const;
    void drawBackground(QPainter& painter, const QRect& area) const;
    void drawPiles(QPainter& painter, const QRect& area) const;
    void drawSpecialPanels(QPainter& painter) const;
    void drawCardsAway(QPainter& painter) const;
    void drawDraggedCards(QPainter& painter) const;
    void drawInvertedFrame(QPainter& painter, const QRect& card) const;
    void drawHintTarget(QPainter& painter) const;
    bool hintLifts(CardNumber card) const;

    Engine* engine_ = nullptr;
    const CardImages* images_ = nullptr;
    const CardImages* doubleImages_ = nullptr;
    TableAppearance* appearance_ = nullptr;
    mutable std::unique_ptr<ShownCards> shown_;
    TablePictures pictures_;
    QColor defaultBackground_;
    QCursor normalCursor_;
    QCursor draggingCursor_;
    bool scaled_ = true;
    TableTransform transform_;
    int fittedPiles_ = -1;  // the right edge of the piles' places the table was fitted to
    QScrollBar* scrollBar_;

    CardFlights flights_;
    QElapsedTimer clock_;
    QTimer frames_;
    QRect lastDragRect_;
    QRect lastFlightRect_;
    bool draggingMove_ = false;
    bool celebrationPending_ = false;
    std::optional<HintMarks> hint_;
    std::unique_ptr<PauseScreen> pause_;
    std::unique_ptr<WinningAnimation> winning_;
    std::mt19937_64 random_{std::random_device{}()};

    std::unique_ptr<KeyboardPlay> keys_;
    // The frame shows once a key has moved it, until the mouse is used.
    bool keyFocusShown_ = false;
    bool thickFocusFrame_ = false;
    bool keyCommandRunning_ = false;
    bool changeQueued_ = false;
    std::string spokenDuringCommand_;
    QString announcement_;
    // The position last put into words, for saying what a change did.
    Position spokenPosition_;
};

}  // namespace dravicor
