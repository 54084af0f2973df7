#include "ui/demo_bar.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "savegame/demo_player.h"

namespace dravicor {

namespace {
constexpr int kScrollBarWidth = 240;
constexpr int kCounterWidth = 64;
}  // namespace

DemoBar::DemoBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlDemo"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("pnlLineUpDemo"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    outer->addLayout(row);

    QStyle* look = style();
    QToolButton* play = addButton("btnDemoPlay", QStringLiteral("Play"));
    play->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
    QToolButton* stop = addButton("btnDemoStop", QStringLiteral("Stop"));
    stop->setIcon(look->standardIcon(QStyle::SP_MediaStop));
    playStop_ = new QButtonGroup(this);
    for (QToolButton* button : {play, stop}) {
        button->setCheckable(true);
        playStop_->addButton(button);
        row->addWidget(button);
    }
    row->addSpacing(8);

    QToolButton* first = addButton("btnDemoFirst", QStringLiteral("First"));
    first->setIcon(look->standardIcon(QStyle::SP_MediaSkipBackward));
    QToolButton* prior = addButton("btnDemoPrior", QStringLiteral("Previous 3 moves"));
    prior->setIcon(look->standardIcon(QStyle::SP_MediaSeekBackward));
    scbDemoMove_ = new QScrollBar(Qt::Horizontal, this);
    scbDemoMove_->setObjectName(QStringLiteral("scbDemoMove"));
    scbDemoMove_->setToolTip(QStringLiteral("Previous/Next move"));
    scbDemoMove_->setRange(1, 1);
    scbDemoMove_->setPageStep(1);
    scbDemoMove_->setFixedWidth(kScrollBarWidth);
    QToolButton* next = addButton("btnDemoNext", QStringLiteral("Next 3 moves"));
    next->setIcon(look->standardIcon(QStyle::SP_MediaSeekForward));
    QToolButton* last = addButton("btnDemoLast", QStringLiteral("Last"));
    last->setIcon(look->standardIcon(QStyle::SP_MediaSkipForward));
    for (QWidget* control : std::initializer_list<QWidget*>{first, prior, scbDemoMove_, next, last}) {
        row->addWidget(control);
    }

    pnlDemoCount_ = new QLabel(QStringLiteral("1/1"), this);
    pnlDemoCount_->setObjectName(QStringLiteral("pnlDemoCount"));
    pnlDemoCount_->setFrameShape(QFrame::StyledPanel);
    pnlDemoCount_->setFrameShadow(QFrame::Sunken);
    pnlDemoCount_->setAlignment(Qt::AlignCenter);
    pnlDemoCount_->setMinimumWidth(kCounterWidth);
    row->addSpacing(8);
    row->addWidget(pnlDemoCount_);
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnDemoClose"));
    row->addWidget(close);

    connect(first, &QToolButton::clicked, this, [this] { step([](DemoPlayer& player) { player.first(); }); });
    connect(prior, &QToolButton::clicked, this, [this] { step([](DemoPlayer& player) { player.prior(); }); });
    connect(next, &QToolButton::clicked, this, [this] { step([](DemoPlayer& player) { player.next(); }); });
    connect(last, &QToolButton::clicked, this, [this] { step([](DemoPlayer& player) { player.last(); }); });
    connect(scbDemoMove_, &QScrollBar::valueChanged, this, &DemoBar::scrollBarMoved);
    connect(scbDemoMove_, &QScrollBar::sliderPressed, this, [this] {
        if (player_ != nullptr) player_->beginDrag();
    });
    connect(scbDemoMove_, &QScrollBar::sliderReleased, this, &DemoBar::dragEnded);
    connect(close, &QPushButton::clicked, this, [this] {
        releasePlayAndStop();
        emit closeRequested();
    });
}

QToolButton* DemoBar::addButton(const char* objectName, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

void DemoBar::setPlayer(DemoPlayer* player) {
    player_ = player;
    sync();
}

void DemoBar::sync() {
    if (player_ == nullptr) return;
    syncing_ = true;
    scbDemoMove_->setRange(1, player_->maximum());
    scbDemoMove_->setValue(player_->step());
    syncing_ = false;
    pnlDemoCount_->setText(QString::fromStdString(player_->counterText()));
}

void DemoBar::releasePlayAndStop() {
    // An exclusive group keeps one button down; both are to come up.
    playStop_->setExclusive(false);
    for (QAbstractButton* button : playStop_->buttons()) button->setChecked(false);
    playStop_->setExclusive(true);
}

template <typename Command>
void DemoBar::step(Command command) {
    releasePlayAndStop();
    if (player_ == nullptr) return;
    command(*player_);
    sync();
    emit moved();
}

void DemoBar::scrollBarMoved(int position) {
    if (syncing_) return;
    releasePlayAndStop();
    // While the thumb is dragged nothing moves; the drag's end does it all.
    if (scbDemoMove_->isSliderDown()) return;
    step([position](DemoPlayer& player) { player.scrollTo(position); });
}

void DemoBar::dragEnded() {
    const int position = scbDemoMove_->value();
    step([position](DemoPlayer& player) { player.endDrag(position); });
}

}  // namespace dravicor
