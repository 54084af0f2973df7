#pragma once

#include <QColor>
#include <QCursor>
#include <QWidget>

#include "engine/engine.h"
#include "ui/card_images.h"

namespace dravicor {

// The card table: the main window's whole client area. It draws the game
// in progress from the engine's position and geometry: the empty-pile
// markers, then every card of every pile the game shows, bottom card first,
// and the cards being dragged on top. Mouse input goes to the engine's
// pointer handling; the rules stay there.
class TableWidget final : public QWidget, private EngineObserver {
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);

    // The game to draw and the pictures to draw it with; the table lays the
    // game out for its own size. Both outlive the widget.
    void showGame(Engine& engine, const CardImages& images);

    QColor background() const { return background_; }

    // The pointer over the table, and while cards are dragged.
    void setPointerCursors(const QCursor& normal, const QCursor& dragging);

    // The celebration of a won game; a close request ends it early.
    bool winningAnimationRunning() const { return winningAnimation_; }
    void stopWinningAnimation() { winningAnimation_ = false; }

signals:
    // The engine reported a change of the game shown (a move, a deal, undo ...).
    void engineChanged();
    // A frame of the table has been painted.
    void tablePainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void tableChanged() override {
        update();
        emit engineChanged();
    }
    void drawPiles(QPainter& painter) const;
    const QPixmap& pictureOf(CardNumber card) const;
    void drawInvertedFrame(QPainter& painter, Point at) const;

    QColor background_;
    QCursor normalCursor_;
    QCursor draggingCursor_;
    bool winningAnimation_ = false;
    Engine* engine_ = nullptr;
    const CardImages* images_ = nullptr;
};

}  // namespace dravicor
