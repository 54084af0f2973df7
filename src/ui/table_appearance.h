#pragma once

#include <memory>
#include <optional>
#include <random>

#include <QPixmap>
#include <QSize>

#include "common/platform.h"
#include "shell/appearance.h"
#include "shell/background_plan.h"
#include "ui/card_images.h"
#include "ui/image_folder.h"

namespace dravicor {

class ResourceLibrary;
class SettingsRecord;

// Every picture the table is drawn with, as the settings record chooses
// them: the cards at their natural size and at twice it, and the table
// background for the table's current size. The settings record is the one
// source of truth; after a dialog changes it, reload() (cards) or nothing
// at all (the background follows the record by itself) brings the
// pictures up to date.
class TableAppearance {
public:
    // From this scale on the double-size cards are drawn: the zoom of the
    // table times the device pixel ratio of the screen.
    static constexpr double kDoubleSizeFromScale = 1.25;

    // Loads the cards the record names. A missing face sheet or back is
    // reported ("Cannot find images file:") and nothing is returned; the
    // program cannot go on and ends. colourDepth is the screen's bits per
    // pixel. Everything passed by reference outlives the object.
    static std::unique_ptr<TableAppearance> Load(SettingsRecord& settings, const ImageFolder& images,
                                                 const ResourceLibrary& library, Messages& messages,
                                                 int colourDepth);

    TableAppearance(const TableAppearance&) = delete;
    TableAppearance& operator=(const TableAppearance&) = delete;

    // The natural-size cards up to kDoubleSizeFromScale, the double-size
    // ones above it (made at their first use). Both have the same logical
    // card size.
    const CardImages& cards(double scale = 1.0) const;

    // The background of a table of this size in logical pixels, covering
    // TableBackgroundArea. Rebuilt only when the size, the scroll bar, demo
    // mode or the record's background settings differ from the last call,
    // or after invalidateBackground().
    const QPixmap& background(QSize table, bool demoMode, bool scrollBarShown) const;
    // For what the record does not show: the picture files, the palette.
    void invalidateBackground();

    // Reloads the cards whose choice in the record (size, face set, back)
    // differs from the pictures held. A missing file is reported and the
    // old pictures stay (false). An unknown size letter keeps the size.
    bool reload();

    // A new game's random change of background, faces and back (each when
    // its preference asks), with only what changed reloaded. A missing
    // picture is reported as by reload() and the old one stays.
    AppearanceChange randomizeForNewGame(std::mt19937_64& random);

    bool fewColours() const { return fewColours_; }
    const CardImageChoice& choice() const { return choice_; }

private:
    TableAppearance(SettingsRecord& settings, const ImageFolder& images, const ResourceLibrary& library,
                    Messages& messages, int colourDepth);
    CardImageChoice choiceInRecord() const;

    struct BackgroundKey {
        QSize table;
        bool scrollBarShown = false;
        BackgroundPlan plan;
        bool operator==(const BackgroundKey&) const = default;
    };

    SettingsRecord& settings_;
    ImageFolder images_;
    const ResourceLibrary& library_;
    Messages& messages_;
    bool fewColours_;
    CardImageChoice choice_;
    CardImages natural_;
    // A cache like the background: filled by the first cards() that needs it.
    mutable std::optional<CardImages> doubled_;
    // The background is a cache of the record: refreshed on demand, even
    // through a const reference.
    mutable std::optional<BackgroundKey> backgroundKey_;
    mutable QPixmap background_;
};

}  // namespace dravicor
