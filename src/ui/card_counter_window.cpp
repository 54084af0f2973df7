#include "ui/card_counter_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "engine/card_counter_preferences.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"
#include "ui/resource_library.h"

namespace dravicor {

namespace {

// Every picture the window draws: the suits and each rank up and down.
std::map<std::string, QPixmap, std::less<>> LoadCounterPictures(const ResourceLibrary& library) {
    std::map<std::string, QPixmap, std::less<>> pictures;
    const auto add = [&](std::string_view name) { pictures.emplace(std::string(name), library.LoadNamedBitmap(name)); };
    for (int row = 0; row < 4; ++row) add(CounterSuitPicture(row));
    add(CounterCell{}.pictureName());
    for (int rank = 1; rank <= kCardCounterColumns; ++rank) {
        add(CounterCell{rank, CounterMark::Up}.pictureName());
        add(CounterCell{rank, CounterMark::Down}.pictureName());
    }
    return pictures;
}

QAction* NewOption(QMenu& menu, const QString& caption, const QString& name) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
}

}  // namespace

// The client area: the suit pictures and the cells of the counter.
class TfrmCardCounter::Canvas final : public QWidget {
public:
    explicit Canvas(TfrmCardCounter& window) : QWidget(&window), window_(window) {
        setObjectName(QStringLiteral("imgCounter"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // The pictures sit on a face colour of their own; the background
        // takes it so the cells have no visible edge.
        const QPixmap& suit = window_.picture(CounterSuitPicture(0));
        painter.fillRect(rect(), suit.isNull() ? palette().window().color() : suit.toImage().pixelColor(0, 0));
        for (int row = 0; row < kCardCounterRows; ++row) {
            painter.drawPixmap(0, CounterRowY(row), window_.picture(CounterSuitPicture(row)));
        }
        for (const CounterCell& cell : window_.counter_.cells()) {
            painter.drawPixmap(cell.x, cell.y, window_.picture(cell.pictureName()));
        }
    }

private:
    TfrmCardCounter& window_;
};

TfrmCardCounter::TfrmCardCounter(Program& program, const ResourceLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      program_(program),
      pictures_(LoadCounterPictures(library)) {
    FormCreate();
    const CardCounterPreferences stored = LoadCardCounterPreferences(ConfigFile(program_.settings()));
    counter_.setOptions(stored.options);
    mnuTableau_->setChecked(counter_.options().tableauOnly);
    mnuStock_->setChecked(counter_.options().stockOnly);
    mnuInverted_->setChecked(counter_.options().inverted);
    if (const auto place = stored.storedPlace()) move(place->x, place->y);
    counter_.Reset(program_.rules());
    imgCounter_->setFixedSize(kCardCounterWidth, counter_.height());
}

void TfrmCardCounter::FormCreate() {
    setObjectName(QStringLiteral("TfrmCardCounter"));
    setWindowTitle(QStringLiteral("Card counter"));
    auto* menuBar = new QMenuBar(this);
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    mnuTableau_ = NewOption(*options, QStringLiteral("&Tableau only"), QStringLiteral("mnuTableau"));
    mnuStock_ = NewOption(*options, QStringLiteral("&Stock only"), QStringLiteral("mnuStock"));
    mnuInverted_ = NewOption(*options, QStringLiteral("&Inverted"), QStringLiteral("mnuInverted"));
    connect(mnuTableau_, &QAction::triggered, this, &TfrmCardCounter::mnuTableauClick);
    connect(mnuStock_, &QAction::triggered, this, &TfrmCardCounter::mnuStockClick);
    connect(mnuInverted_, &QAction::triggered, this, &TfrmCardCounter::mnuInvertedClick);

    imgCounter_ = new Canvas(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(imgCounter_);
    // The window is as large as its client area and the menu, no more.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

const QPixmap& TfrmCardCounter::picture(std::string_view name) const {
    static const QPixmap kNone;
    const auto found = pictures_.find(name);
    return found != pictures_.end() ? found->second : kNone;
}

void TfrmCardCounter::recount() {
    if (!isVisible()) return;
    counter_.Refresh(program_.position(), program_.rules());
    showCounter();
}

void TfrmCardCounter::resetForGame() {
    if (!isVisible()) return;
    counter_.Recount(program_.position(), program_.rules());
    showCounter();
}

void TfrmCardCounter::showCounter() {
    imgCounter_->setFixedSize(kCardCounterWidth, counter_.height());
    imgCounter_->update();
}

void TfrmCardCounter::mnuTableauClick() {
    counter_.ToggleTableauOnly(program_.position(), program_.rules());
    optionsChanged();
}

void TfrmCardCounter::mnuStockClick() {
    counter_.ToggleStockOnly(program_.position(), program_.rules());
    optionsChanged();
}

void TfrmCardCounter::mnuInvertedClick() {
    counter_.ToggleInverted(program_.position(), program_.rules());
    optionsChanged();
}

// The menu shows the options the counter took (one "only" option turns the
// other off), and the configuration file keeps them.
void TfrmCardCounter::optionsChanged() {
    mnuTableau_->setChecked(counter_.options().tableauOnly);
    mnuStock_->setChecked(counter_.options().stockOnly);
    mnuInverted_->setChecked(counter_.options().inverted);
    showCounter();
    savePreferences(isVisible());
}

void TfrmCardCounter::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // restored from the task bar: nothing changed
    counter_.Recount(program_.position(), program_.rules());
    showCounter();
    // Shown now, so shown at the next start.
    savePreferences(true);
}

void TfrmCardCounter::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    savePreferences(false);
    emit closed();
}

void TfrmCardCounter::savePreferences(bool visible) {
    CardCounterPreferences preferences;
    preferences.options = counter_.options();
    preferences.visible = visible;
    preferences.left = x();
    preferences.top = y();
    try {
        ProfileFile config = ConfigFile(program_.settings());
        SaveCardCounterPreferences(config, preferences);
    } catch (const ProfileWriteError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}

bool CardCounterShownAtStartup(const Program& program) {
    return LoadCardCounterPreferences(ConfigFile(program.settings())).visible;
}

}  // namespace dravicor
