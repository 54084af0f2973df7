#include "ui/table_appearance.h"

#include <QGuiApplication>
#include <QPainter>

#include "common/settings_record.h"
#include "rules/layout.h"
#include "ui/table_background.h"

namespace dravicor {

namespace {

// Displays of 8 bits per pixel or fewer have a palette of 256 colours at most.
constexpr int kMostBitsOfFewColours = 8;

}  // namespace

TableAppearance::TableAppearance(SettingsRecord& settings, const ImageFolder& images, const ResourceLibrary& library,
                                 Messages& messages, int colourDepth)
    : settings_(settings),
      images_(images),
      library_(library),
      messages_(messages),
      fewColours_(colourDepth <= kMostBitsOfFewColours) {}

std::unique_ptr<TableAppearance> TableAppearance::Load(SettingsRecord& settings, const ImageFolder& images,
                                                       const ResourceLibrary& library, Messages& messages,
                                                       int colourDepth) {
    std::unique_ptr<TableAppearance> appearance(new TableAppearance(settings, images, library, messages, colourDepth));
    const CardImageChoice choice = appearance->choiceInRecord();
    std::optional<CardImages> natural = LoadCardImages(choice, images, library, messages);
    if (!natural) return nullptr;
    appearance->choice_ = choice;
    appearance->natural_ = std::move(*natural);
    return appearance;
}

CardImageChoice TableAppearance::choiceInRecord() const {
    const std::string size = settings_.get(Field::CardSize);
    // Any other letter leaves the size as it was; before any, big cards.
    char letter = choice_.sizeLetter;
    if (size.size() == 1 && CardSizeFor(size[0])) letter = size[0];
    return {letter, settings_.get(Field::CardSet), settings_.get(Field::CardBack)};
}

const CardImages& TableAppearance::cards(double scale) const {
    if (scale <= kDoubleSizeFromScale) return natural_;
    // Made at the first zoomed or high-density drawing: most tables never
    // need them, and they are four times the pixels of the natural set.
    if (!doubled_) doubled_ = DoubleSizeCardImages(choice_, images_, natural_);
    return *doubled_;
}

const QPixmap& TableAppearance::background(QSize table, bool demoMode, bool scrollBarShown) const {
    BackgroundKey key{table, scrollBarShown, PlanTableBackground(settings_, demoMode, fewColours_)};
    if (backgroundKey_ == key) return background_;
    const QSize area = TableBackgroundArea(table, scrollBarShown);
    QImage canvas(area, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        PaintTableBackground(painter, area, key.plan, images_, messages_, QGuiApplication::palette());
    }
    background_ = QPixmap::fromImage(canvas);
    backgroundKey_ = std::move(key);
    return background_;
}

void TableAppearance::invalidateBackground() { backgroundKey_.reset(); }

bool TableAppearance::reload() {
    const CardImageChoice wanted = choiceInRecord();
    if (wanted == choice_) return true;

    // Loaded aside first: a missing file keeps every old picture.
    CardImages natural = natural_;
    if (wanted.sizeLetter != choice_.sizeLetter) {
        natural = CardImages{};
        LoadLibraryPictures(wanted.sizeLetter, library_, natural);
    }
    const bool newFaces = wanted.sizeLetter != choice_.sizeLetter || wanted.faceSet != choice_.faceSet;
    const bool newBack = wanted.sizeLetter != choice_.sizeLetter || wanted.back != choice_.back;
    if (newBack && !LoadCardBack(wanted, images_, messages_, natural)) return false;
    if (newFaces && !LoadCardFaces(wanted, images_, messages_, natural)) return false;

    // A double-size set already made follows; a new size makes it afresh
    // when it is next asked for.
    if (wanted.sizeLetter != choice_.sizeLetter) {
        doubled_.reset();
    } else if (doubled_) {
        if (newBack) LoadDoubleSizeBack(wanted, images_, natural, *doubled_);
        if (newFaces) LoadDoubleSizeFaces(wanted, images_, natural, *doubled_);
    }
    natural_ = std::move(natural);
    choice_ = wanted;
    return true;
}

AppearanceChange TableAppearance::randomizeForNewGame(std::mt19937_64& random) {
    const AppearanceChange change =
        RandomizeAppearance(settings_, ListInstalledPictures(images_.folder()), fewColours_, random);
    if (change.faces || change.back) reload();
    if (change.background) invalidateBackground();
    return change;
}

}  // namespace dravicor
