#include "ui/table_widget.h"

#include <algorithm>
#include <charconv>
#include <map>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include "common/text.h"
#include "engine/special_indicators.h"
#include "engine/table_speech.h"
#include "rules/pile_geometry.h"
#include "rules/rule_codes.h"
#include "ui/colour.h"
#include "ui/pause_screen.h"
#include "ui/special_panels.h"
#include "ui/table_accessible.h"
#include "ui/table_appearance.h"
#include "ui/table_background.h"
#include "ui/winning_animation.h"

namespace dravicor {

namespace {

constexpr int kFrameMs = 16;
// Cards picked up are lifted towards the top left by the shadow's offset
// less two pixels, over their shadow.
constexpr int kShadowOffset = 9;
constexpr int kLift = kShadowOffset - 2;
// A drag this close to the window's top or bottom edge scrolls the table.
constexpr int kEdgeScrollZone = 5;
constexpr int kScrollStep = 20;
// Drawn from twice-size pictures above this scale (or on dense screens).
constexpr double kDoubleSizeAbove = 1.25;
constexpr int kDefaultCardSpeed = 10;
// The pause fades from this green to black.
const QColor kPauseGreen(0, 128, 0);

QPixmap Resized(const QPixmap& picture, QSize device, qreal ratio) {
    if (picture.isNull()) return picture;
    QPixmap result = picture.size() == device ? picture
                                              : picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(ratio);
    return result;
}

}  // namespace

// The pictures at the size the cards are drawn now, made once per size.
struct TableWidget::ShownCards {
    QSize size;  // window pixels
    qreal ratio = 1;
    const CardImages* from = nullptr;
    std::array<QPixmap, 52> faces;
    QPixmap back;
    std::map<int, QPixmap> markers;
    QPixmap shadow;
    QPixmap border;
};

TableWidget::TableWidget(QWidget* parent)
    : QWidget(parent), defaultBackground_(ColourFromRef(kDefaultTableColour)), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    // Every pixel is painted below, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallTableAccessibility();
    watchPressesForKeys();
    scrollBar_->hide();
    scrollBar_->setRange(0, 100);
    scrollBar_->setSingleStep(kScrollStep);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!engine_) return;
        engine_->setScrollOffset(value);
        flights_.settle(placesOf(cardsOnTable()));
        update();
    });
    clock_.start();
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, &TableWidget::frame);
    winning_ = std::make_unique<WinningAnimation>(this);
    connect(winning_.get(), &WinningAnimation::drawn, this, [this](QRect changed) { update(changed); });
    connect(winning_.get(), &WinningAnimation::finished, this, [this] {
        if (engine_) engine_->setCelebrating(false);
        update();
        emit winningAnimationFinished();
        announceWin();
    });
}

TableWidget::~TableWidget() {
    if (engine_) engine_->setObserver(nullptr);
}

void TableWidget::showGame(Engine& engine, const CardImages& images, const CardImages* doubleSize) {
    engine_ = &engine;
    engine.setObserver(this);
    keys_ = std::make_unique<KeyboardPlay>(engine);
    spokenPosition_ = engine.position();
    readFocusPreferences();
    setCardImages(images, doubleSize);
}

void TableWidget::showGame(Engine& engine, TableAppearance& appearance) {
    appearance_ = &appearance;
    // The double-size cards are asked of the appearance when a drawing needs them.
    showGame(engine, appearance.cards(1.0), nullptr);
}

void TableWidget::reloadAppearance() {
    if (appearance_ != nullptr) {
        appearance_->reload();
        appearance_->invalidateBackground();
    }
    readFocusPreferences();
    appearanceChanged();
}

void TableWidget::appearanceChanged() {
    shown_.reset();
    update();
}

void TableWidget::setCardImages(const CardImages& images, const CardImages* doubleSize) {
    images_ = &images;
    doubleImages_ = doubleSize;
    shown_.reset();
    layOut();
    update();
}

void TableWidget::setTablePictures(const TablePictures& pictures) {
    pictures_ = pictures;
    pause_ = std::make_unique<PauseScreen>(pictures.pauseTitle, pictures.pauseResume, this);
    connect(pause_.get(), &PauseScreen::moved, this, [this](QRect changed) { update(changed); });
    update();
}

void TableWidget::setScaledToWindow(bool scaled) {
    if (scaled_ == scaled) return;
    scaled_ = scaled;
    layOut();
    update();
}

void TableWidget::setPointerCursors(const QCursor& normal, const QCursor& dragging) {
    normalCursor_ = normal;
    draggingCursor_ = dragging;
    setCursor(engine_ && engine_->isDragging() ? draggingCursor_ : normalCursor_);
}

bool TableWidget::winningAnimationRunning() const { return winning_->running(); }
void TableWidget::stopWinningAnimation() { winning_->stop(); }

QPoint TableWidget::toWindow(Point table) const {
    const Point at = transform_.toWindow(table);
    return {at.x, at.y};
}

Point TableWidget::toTable(QPoint window) const { return transform_.toTable({window.x(), window.y()}); }

bool TableWidget::cardsInFlight() const { return flights_.active(now()); }

void TableWidget::landCards() {
    flights_.land();
    update();
}

// --- Layout ----------------------------------------------------------------

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void TableWidget::layOut() {
    transform_ = TableTransform::Fit({width(), height()}, scaled_);
    if (!engine_) return;
    fitTable();
    updateScrollBar();
    flights_.settle(placesOf(cardsOnTable()));
}

int TableWidget::pilesRight() const {
    int right = 0;
    const TableGeometry table = engine_->geometry();
    engine_->position().piles.forEach([&](PileId id, const Pile&) {
        if (engine_->origins().isOnTable(id)) right = std::max(right, table.pileOrigin(id).x + engine_->cardSize().width);
    });
    return right;
}

// Piles spread to the right reach further than their places.
int TableWidget::contentRight() const {
    int right = pilesRight();
    for (const CardOnTable& card : cardsOnTable()) right = std::max(right, card.at.x + engine_->cardSize().width);
    return right;
}

// The engine lays the game out for the table area; a game wider than the
// reference table makes the scale smaller so that all of it shows. The
// piles are then centred across the width.
void TableWidget::fitTable() {
    const auto layFor = [this] {
        const Size area = transform_.tableArea();
        engine_->setTableArea(TableArea{5, area.width, area.height, 0});
    };
    layFor();
    const int margin = TableRows{}.left;
    const int needed = contentRight() + margin;
    if (scaled_ && needed > transform_.tableArea().width) {
        transform_ = TableTransform::Fit({width(), height()}, scaled_, needed);
        layFor();
    }
    fittedPiles_ = pilesRight();
    transform_.centre(contentRight(), margin);
}

int TableWidget::heightNeeded() const {
    int lowest = 0;
    const TableGeometry table = engine_->geometry();
    const int card = engine_->cardSize().height;
    const int offset = engine_->metrics().scrollOffset;
    engine_->position().piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine_->origins().isOnTable(id)) return;
        lowest = std::max(lowest, table.pileOrigin(id).y + card + offset);
        if (!pile.empty()) lowest = std::max(lowest, table.cardPosition(id, 0).y + card + offset);
    });
    return lowest;
}

// The bar appears when the player wants it and the piles reach below the
// window; the table then grows by what is missing and two card heights.
void TableWidget::updateScrollBar() {
    if (!engine_) return;
    const bool wanted = engine_->settings().get(Field::VertScrollBar) == "Y";
    const int missing = heightNeeded() - transform_.tableArea().height;
    if (wanted && missing > 0 && engine_->rules()[Rule::CardCount] != 0) {
        const int maximum = std::max(0, missing + 2 * engine_->cardSize().height - 30);
        scrollBar_->setRange(0, maximum);
        const int barWidth = scrollBar_->sizeHint().width();
        scrollBar_->setGeometry(width() - barWidth, 2, barWidth, height() - 2);
        scrollBar_->show();
    } else if (scrollBar_->isVisible() || scrollBar_->value() != 0) {
        scrollBar_->hide();
        scrollBar_->setRange(0, 100);
        scrollBar_->setValue(0);
    }
    if (engine_->metrics().scrollOffset != scrollBar_->value()) engine_->setScrollOffset(scrollBar_->value());
}

// --- Following the engine ----------------------------------------------------

std::vector<TableWidget::CardOnTable> TableWidget::cardsOnTable() const {
    std::vector<CardOnTable> cards;
    if (!engine_ || engine_->rules()[Rule::CardCount] == 0) return cards;
    const TableGeometry table = engine_->geometry();
    engine_->position().piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine_->origins().isOnTable(id)) return;
        for (int index = 0; index < pile.size(); ++index) {
            if (pile[index] == kNoCard) continue;
            cards.push_back({pile[index], table.cardPosition(id, pile.size() - 1 - index), id});
        }
    });
    return cards;
}

// Where each card is shown: the dragged ones where the pointer holds them.
std::vector<CardFlights::Place> TableWidget::placesOf(const std::vector<CardOnTable>& cards) const {
    std::vector<CardFlights::Place> places;
    places.reserve(cards.size());
    const bool dragging = engine_ && engine_->isDragging();
    std::optional<PileId> source;
    Point first{}, to{};
    for (const CardOnTable& card : cards) {
        if (dragging && card.card == engine_->game().cardInMotion) {
            source = card.pile;
            first = card.at;
            to = engine_->dragImagePosition();
        }
        if (source && card.pile == *source) {
            places.push_back({card.card, {to.x + card.at.x - first.x, to.y + card.at.y - first.y}, true});
        } else if (hintLifts(card.card)) {
            places.push_back({card.card, {card.at.x - kHintLift, card.at.y - kHintLift}, false});
        } else {
            places.push_back({card.card, card.at, false});
        }
    }
    return places;
}

int TableWidget::cardSpeed() const {
    const std::string text = engine_->settings().get(Field::SpeedMoveCard);
    int speed = kDefaultCardSpeed;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), speed);
    if (result.ec != std::errc() || speed < 0) speed = kDefaultCardSpeed;
    return speed;
}

bool TableWidget::hintLifts(CardNumber card) const {
    return hint_ && std::find(hint_->lifted.begin(), hint_->lifted.end(), card) != hint_->lifted.end();
}

void TableWidget::showHint(const HintMarks& marks) {
    if (!engine_) return;
    hint_ = marks;
    flights_.moveTo(placesOf(cardsOnTable()), now(), cardSpeed());
    startFrames();
    update();
}

void TableWidget::clearHint() {
    if (!hint_) return;
    hint_.reset();
    if (engine_) flights_.moveTo(placesOf(cardsOnTable()), now(), cardSpeed());
    startFrames();
    update();
}

void TableWidget::tableChanged() {
    // Whatever changed, the hint was about the table before.
    hint_.reset();
    if (draggingMove_) {
        // Only the dragged cards moved: paint where they were and where they are.
        const QRect now = dragRect();
        update(lastDragRect_ | now);
        lastDragRect_ = now;
        return;
    }
    followEngine();
    noteTableChange();
    emit engineChanged();
}

void TableWidget::followEngine() {
    if (!engine_) return;
    if (engine_->paused() != (pause_ && pause_->running())) showPause(engine_->paused());
    // Another game lays its piles out differently; a row of cards may grow
    // past the table's edge.
    const bool outgrown = scaled_ && transform_.toWindow(Point{contentRight(), 0}).x > width();
    if (pilesRight() != fittedPiles_ || outgrown) {
        transform_ = TableTransform::Fit({width(), height()}, scaled_);
        fitTable();
    }
    updateScrollBar();
    flights_.moveTo(placesOf(cardsOnTable()), now(), cardSpeed());
    lastDragRect_ = dragRect();
    setCursor(engine_->isDragging() ? draggingCursor_ : normalCursor_);
    startFrames();
    update();
}

void TableWidget::gameShown(bool animate) {
    // A new deal has been made meanwhile: the won game needs no more words.
    celebrationPending_ = false;
    hint_.reset();
    if (keys_) keys_->Reset();
    spokenPosition_ = engine_->position();
    announce(DescribeDeal(std::string(TrimRight(engine_->settings().get(Field::CurrentGameName))),
                          engine_->game().gameNumber));
    emit dealShown();
    // Centred on the cards as they are dealt.
    transform_ = TableTransform::Fit({width(), height()}, scaled_);
    fitTable();
    if (winning_->running()) winning_->stop();
    // A demo keeps the look it was recorded with.
    if (appearance_ && !engine_->demoMode() && appearance_->randomizeForNewGame(random_).any()) shown_.reset();
    const auto cards = cardsOnTable();
    auto places = placesOf(cards);
    if (!animate) {
        flights_.settle(places);
        update();
        return;
    }
    // Dealt as by hand: the first card of every pile, then the second of
    // every pile, and so on; what stays in the stock and waste is there at once.
    std::vector<std::pair<int, size_t>> order;  // height in the pile, index
    std::map<std::pair<int, int>, int> heights;
    for (size_t i = 0; i < cards.size(); ++i) {
        const PileId pile = cards[i].pile;
        if (pile.kind == PileKind::Stock || pile.kind == PileKind::Waste) {
            places[i].snap = true;
            continue;
        }
        const int height = heights[{static_cast<int>(pile.kind), pile.number}]++;
        order.emplace_back(height, i);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CardFlights::Place> dealt;
    for (size_t i = 0; i < places.size(); ++i) {
        if (places[i].snap) dealt.push_back(places[i]);
    }
    for (const auto& [height, index] : order) dealt.push_back(places[index]);
    const bool hasStock = engine_->origins().isOnTable(PileId::Stock());
    const Point from = hasStock ? engine_->geometry().pileOrigin(PileId::Stock())
                                : Point{-engine_->cardSize().width, -engine_->cardSize().height};
    flights_.deal(dealt, from, now(), std::max(cardSpeed(), 1));
    startFrames();
    update();
}

void TableWidget::announceWin() {
    if (!celebrationPending_) return;
    celebrationPending_ = false;
    QTimer::singleShot(0, this, &TableWidget::gameWonCelebrated);
}

void TableWidget::gameWon() {
    celebrationPending_ = true;
    announce(std::string(kGameWonSpeech));
    if (!engine_ || engine_->settings().get(Field::WinningAnimation) != "Y") {
        announceWin();
        return;
    }
    const std::string size = engine_->settings().get(Field::CardSize);
    std::bernoulli_distribution coin(0.5);
    const auto kind = coin(random_) ? WinningAnimation::Kind::Scatter : WinningAnimation::Kind::Bounce;
    engine_->setCelebrating(true);
    winning_->start(kind, this->size(), WinningAnimation::CardsToDraw(kind, size.empty() ? 'B' : size[0]),
                    shown().faces, random_);
}

void TableWidget::startFrames() {
    if (flights_.active(now()) && !frames_.isActive()) frames_.start();
}

// One frame of the flights: the places the travelling cards left and reached.
void TableWidget::frame() {
    QRect changed;
    const double time = now();
    for (const CardNumber card : flights_.cardsAway(time)) {
        if (const auto at = flights_.shownAway(card, time)) changed |= cardRect(*at);
    }
    // Where the cards were at the last frame, and where they landed.
    update(changed | lastFlightRect_);
    lastFlightRect_ = changed;
    if (!flights_.active(time)) {
        frames_.stop();
        update();
    }
}

// --- Pause -----------------------------------------------------------------

QPixmap TableWidget::pauseBackdrop() const {
    QPixmap backdrop(size());
    QPainter painter(&backdrop);
    const bool fewColours = appearance_ != nullptr && appearance_->fewColours();
    if (fewColours) {
        painter.fillRect(backdrop.rect(), kPauseGreen);
    } else {
        PaintFade(painter, size(), {kPauseGreen.red(), kPauseGreen.green(), kPauseGreen.blue()});
    }
    return backdrop;
}

void TableWidget::showPause(bool on) {
    if (!pause_) setTablePictures(pictures_);
    if (on) {
        pause_->start(pauseBackdrop());
        // Any key ends the pause and is not passed on to the game.
        qApp->installEventFilter(this);
    } else {
        pause_->stop();
        qApp->removeEventFilter(this);
    }
    update();
}

bool TableWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && engine_ && engine_->paused()) {
        engine_->SetPause(false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Mouse -----------------------------------------------------------------

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (!engine_) return;
    keyFocusShown_ = false;
    clearHint();
    if (winning_->running()) {
        winning_->stop();
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        engine_->PointerPress(toTable(event->position().toPoint()),
                              event->button() == Qt::LeftButton ? PointerButton::Left : PointerButton::Right);
    }
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!engine_ || event->buttons() == Qt::NoButton) return;
    const QPoint at = event->position().toPoint();
    if (engine_->isDragging() && scrollBar_->isVisible()) {
        if (at.y() >= height() - kEdgeScrollZone) scrollBar_->setValue(scrollBar_->value() + kScrollStep);
        if (at.y() <= kEdgeScrollZone) scrollBar_->setValue(scrollBar_->value() - kScrollStep);
    }
    draggingMove_ = engine_->isDragging();
    engine_->PointerMove(toTable(at));
    draggingMove_ = false;
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!engine_) return;
    // The dropped cards set off from where the pointer let them go.
    if (engine_->isDragging()) flights_.settle(placesOf(cardsOnTable()));
    engine_->PointerRelease(toTable(event->position().toPoint()));
    afterPointer();
}

// Qt gives the second press of a double-click as this event; the engine
// takes the double-click and then that press, which it knows to ignore.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!engine_ || event->button() != Qt::LeftButton) return;
    const Point at = toTable(event->position().toPoint());
    engine_->DoubleClick(at);
    engine_->PointerPress(at);
}

void TableWidget::afterPointer() { setCursor(engine_->isDragging() ? draggingCursor_ : normalCursor_); }

// --- Drawing ---------------------------------------------------------------

const TableWidget::ShownCards& TableWidget::shown() const {
    const Size card = transform_.toWindow(images_->cardSize);
    const qreal ratio = devicePixelRatioF();
    const QSize device(static_cast<int>(card.width * ratio), static_cast<int>(card.height * ratio));
    const bool zoomed = transform_.scale() * ratio > kDoubleSizeAbove;
    const CardImages* doubleSet =
        zoomed && appearance_ != nullptr ? &appearance_->cards(transform_.scale() * ratio) : doubleImages_;
    const CardImages* from = zoomed && doubleSet != nullptr ? doubleSet : images_;
    if (shown_ && shown_->size == QSize(card.width, card.height) && shown_->ratio == ratio && shown_->from == from)
        return *shown_;
    auto made = std::make_unique<ShownCards>();
    made->size = QSize(card.width, card.height);
    made->ratio = ratio;
    made->from = from;
    for (size_t i = 0; i < made->faces.size(); ++i) made->faces[i] = Resized(from->faces[i], device, ratio);
    made->back = Resized(from->back, device, ratio);
    for (const auto& [number, marker] : from->markers) made->markers[number] = Resized(marker, device, ratio);
    made->shadow = Resized(from->shadows[0], device, ratio);
    made->border = Resized(from->borders[0], device, ratio);
    shown_ = std::move(made);
    return *shown_;
}

const QPixmap& TableWidget::pictureOf(CardNumber card) const {
    if (engine_->position().cardTable.IsFaceDown(card)) return shown().back;
    return shown().faces[static_cast<size_t>((card - 1) % 52)];
}

QRect TableWidget::cardRect(Point table) const {
    return QRect(toWindow(table), shown().size);
}

QRect TableWidget::dragRect() const {
    if (!engine_ || !engine_->isDragging()) return {};
    QRect area;
    for (const CardFlights::Place& place : placesOf(cardsOnTable())) {
        if (!place.snap) continue;
        const QRect card = cardRect(place.at);
        area |= card | card.translated(-transform_.toWindowLength(kLift), -transform_.toWindowLength(kLift));
    }
    return area;
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (pause_ && pause_->running()) {
        pause_->paint(painter);
        emit tablePainted();
        return;
    }
    drawBackground(painter, event->rect());
    if (engine_ && images_ && engine_->rules()[Rule::CardCount] != 0) {
        drawPiles(painter, event->rect());
        drawSpecialPanels(painter);
        drawCardsAway(painter);
        drawHintTarget(painter);
        drawDraggedCards(painter);
        drawFocusFrame(painter);
    }
    if (winning_->running()) painter.drawPixmap(0, 0, winning_->picture());
    emit tablePainted();
}

void TableWidget::drawBackground(QPainter& painter, const QRect& area) const {
    if (appearance_) {
        const QPixmap& picture = appearance_->background(size(), engine_ && engine_->demoMode(), scrollBar_->isVisible());
        painter.drawPixmap(area, picture, area);
        return;
    }
    painter.fillRect(area, defaultBackground_);
}

// A frame drawn by inverting what lies under it shows on any card face.
void TableWidget::drawInvertedFrame(QPainter& painter, const QRect& card) const {
    const int edge = std::max(2, transform_.toWindowLength(3));
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(card.left(), card.top(), card.width(), edge, Qt::black);
    painter.fillRect(card.left(), card.bottom() + 1 - edge, card.width(), edge, Qt::black);
    painter.fillRect(card.left(), card.top() + edge, edge, card.height() - 2 * edge, Qt::black);
    painter.fillRect(card.right() + 1 - edge, card.top() + edge, edge, card.height() - 2 * edge, Qt::black);
    painter.restore();
}

void TableWidget::drawPiles(QPainter& painter, const QRect& area) const {
    const Position& position = engine_->position();
    const TableGeometry table = engine_->geometry();
    const GameRules& rules = engine_->rules();
    const bool passesLeft = engine_->passesLeft();
    const double time = now();
    const auto& selection = engine_->selection();
    const auto& hand = engine_->pokerHighlight();
    const ShownCards& pictures = shown();
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine_->origins().isOnTable(id)) return;
        if (pile.empty()) {
            const int marker = EmptyPileMarker(id, rules, passesLeft, engine_->redealArmed());
            const auto found = pictures.markers.find(marker);
            if (found != pictures.markers.end() && !found->second.isNull()) {
                painter.drawPixmap(toWindow(table.pileOrigin(id)), found->second);
            }
            return;
        }
        // Selected cards and the cards of a poker hand being shown are framed.
        const bool handPile = id.kind == PileKind::Tableau &&
                              std::find(hand.begin(), hand.end(), id.number - 1) != hand.end();
        // The cards being dragged leave their pile and follow the pointer.
        const int dragged = engine_->isDragging() ? pile.find(engine_->game().cardInMotion) : -1;
        for (int index = 0; index < pile.size(); ++index) {
            const CardNumber card = pile[index];
            if (card == kNoCard || (dragged >= 0 && index >= dragged)) continue;
            if (flights_.shownAway(card, time)) continue;
            QRect place = cardRect(table.cardPosition(id, pile.size() - 1 - index));
            if (hintLifts(card)) place.translate(-transform_.toWindowLength(kHintLift), -transform_.toWindowLength(kHintLift));
            if (!place.intersects(area)) continue;
            painter.drawPixmap(place.topLeft(), pictureOf(card));
            if (handPile || std::find(selection.begin(), selection.end(), card) != selection.end())
                drawInvertedFrame(painter, place);
        }
    });
}

// The pile a hint's cards go to: a bright frame round its top card, or
// round its place when it is empty.
void TableWidget::drawHintTarget(QPainter& painter) const {
    if (!hint_ || !hint_->target || !engine_->origins().isOnTable(*hint_->target)) return;
    const PileId target = *hint_->target;
    const TableGeometry table = engine_->geometry();
    const Pile& pile = engine_->position().piles.pile(target);
    QRect frame = cardRect(pile.empty() ? table.pileOrigin(target) : table.cardPosition(target, 0));
    if (!pile.empty() && hintLifts(pile.top()))
        frame.translate(-transform_.toWindowLength(kHintLift), -transform_.toWindowLength(kHintLift));
    const int edge = std::max(2, transform_.toWindowLength(3));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 215, 0), edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(frame).adjusted(-edge / 2.0, -edge / 2.0, edge / 2.0, edge / 2.0), edge * 2, edge * 2);
    painter.restore();
}

// The poker games' panel and the boxes of the games that count for the player.
void TableWidget::drawSpecialPanels(QPainter& painter) const {
    const GameRules& rules = engine_->rules();
    const SpecialGame family = SpecialGameOf(rules);
    if (family != SpecialGame::PokerGrid && family != SpecialGame::StepFoundations &&
        family != SpecialGame::CountedTableauMoves) {
        return;
    }
    const TableGeometry table = engine_->geometry();
    const Size card = engine_->cardSize();
    painter.save();
    painter.translate(transform_.offsetX(), 0);
    painter.scale(transform_.scale(), transform_.scale());
    if (family == SpecialGame::PokerGrid && !pictures_.pokerPanel.isNull()) {
        // Below the waste, where the stock column has room.
        const Point waste = table.pileOrigin(PileId::Waste());
        const Point slot{waste.x, waste.y + card.height + card.height / 4};
        DrawPokerPanel(painter, pictures_.pokerPanel, Rect::At(slot, card), engine_->pokerPanel());
    } else if (family == SpecialGame::StepFoundations) {
        const auto boxes = NextRankBoxes(engine_->position(), rules);
        for (int i = 0; i < kNextRankBoxCount; ++i) {
            if (!boxes[static_cast<size_t>(i)]) continue;
            const Point foundation = table.pileOrigin(PileId::Foundation(i + 1));
            const Point at{foundation.x + (card.width - kNextRankBoxSize.width) / 2, foundation.y - kNextRankBoxAbove};
            DrawTextBox(painter, Rect::At(at, kNextRankBoxSize), *boxes[static_cast<size_t>(i)]);
        }
    } else if (family == SpecialGame::CountedTableauMoves) {
        if (const auto box = TableauMoveBox(engine_->position(), rules, engine_->game().moveLog)) {
            const Point stock = table.pileOrigin(PileId::Stock());
            const Point at{stock.x + (card.width - kTableauMoveBoxSize.width) / 2,
                           stock.y + card.height + kTableauMoveBoxBelow};
            DrawTextBox(painter, Rect::At(at, kTableauMoveBoxSize), *box);
        }
    }
    painter.restore();
}

void TableWidget::drawCardsAway(QPainter& painter) const {
    const double time = now();
    for (const CardNumber card : flights_.cardsAway(time)) {
        const auto at = flights_.shownAway(card, time);
        if (!at) continue;
        // A card of a deal waiting for its turn lies face down in the stock.
        const QPixmap& picture = flights_.waiting(card, time) ? shown().back : pictureOf(card);
        painter.drawPixmap(toWindow(*at), picture);
    }
}

// The dragged cards lie over everything, keeping their spacing, lifted over
// their shadow when the player likes shadows.
void TableWidget::drawDraggedCards(QPainter& painter) const {
    if (!engine_->isDragging()) return;
    const bool shadowed = engine_->settings().get(Field::CardsShadowed) != "N";
    const int lift = shadowed ? transform_.toWindowLength(kLift) : 0;
    const ShownCards& pictures = shown();
    const auto places = placesOf(cardsOnTable());
    if (shadowed && !pictures.shadow.isNull()) {
        for (const CardFlights::Place& place : places) {
            if (place.snap) painter.drawPixmap(toWindow(place.at), pictures.shadow);
        }
    }
    for (const CardFlights::Place& place : places) {
        if (!place.snap) continue;
        const QPoint at = toWindow(place.at) - QPoint(lift, lift);
        painter.drawPixmap(at, pictureOf(place.card));
        if (!pictures.border.isNull()) painter.drawPixmap(at, pictures.border);
    }
}

}  // namespace dravicor
