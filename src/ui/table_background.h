#pragma once

#include <QColor>
#include <QPalette>
#include <QSize>

#include "common/platform.h"
#include "shell/background_plan.h"

class QPainter;

namespace dravicor {

class ImageFolder;
class SettingsRecord;

// How far the background reaches below the table while the vertical
// scroll bar is shown, so a scrolled table still shows it.
inline constexpr int kScrolledBackgroundExtra = 80;

// The area the background covers for a table of the given size: one pixel
// wider and higher, and lower still with the vertical scroll bar.
QSize TableBackgroundArea(QSize table, bool scrollBarShown);

// A colour of the record as Qt draws it; system colours (top bit set) are
// looked up in the palette, the button face standing in for any unknown one.
QColor ColourOfRef(ColourRef colour, const QPalette& palette);

// The colour fading to black in bands towards the bottom of the area.
void PaintFade(QPainter& painter, QSize area, Rgb colour);

// Paints the plan over the area from the painter's origin. A picture file
// that cannot be read leaves the plan's plain colour instead; the only
// message is the image folder's own.
void PaintTableBackground(QPainter& painter, QSize area, const BackgroundPlan& plan, const ImageFolder& images,
                          Messages& messages, const QPalette& palette);

struct TableBackgroundState {
    bool demoMode = false;
    bool scrollBarShown = false;
    bool fewColours = false;  // the display shows 256 colours or fewer
};

// The table background for a table of the given size, as the settings
// record describes it, over TableBackgroundArea from the painter's origin.
void DrawTableBackground(QPainter& painter, QSize table, const SettingsRecord& settings,
                         const TableBackgroundState& state, const ImageFolder& images, Messages& messages);

}  // namespace dravicor
