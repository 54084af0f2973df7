#include "ui/table_background.h"

#include <QGuiApplication>
#include <QPainter>

#include "ui/image_folder.h"

namespace dravicor {

namespace {

// Indices of the system colours the preferences may hold, with the palette
// entry that plays the same part here.
struct SystemColour {
    unsigned index;
    QPalette::ColorRole role;
};
constexpr SystemColour kSystemColours[] = {
    {4, QPalette::Window},            // menu
    {5, QPalette::Base},              // window
    {7, QPalette::WindowText},        // menu text
    {8, QPalette::Text},              // window text
    {13, QPalette::Highlight},        // highlight
    {14, QPalette::HighlightedText},  // highlighted text
    {15, QPalette::Button},           // button face
    {16, QPalette::Dark},             // button shadow
    {18, QPalette::ButtonText},       // button text
    {20, QPalette::Light},            // button highlight
    {21, QPalette::Shadow},           // dark shadow
    {22, QPalette::Midlight},         // light
    {23, QPalette::ToolTipText},      // tool tip text
    {24, QPalette::ToolTipBase},      // tool tip
};

}  // namespace

void PaintFade(QPainter& painter, QSize area, Rgb colour) {
    for (const FadeBand& band : FadeBands(area.height(), colour)) {
        if (band.bottom <= band.top) continue;
        painter.fillRect(QRect(0, band.top, area.width(), band.bottom - band.top),
                         QColor(band.colour.red, band.colour.green, band.colour.blue));
    }
}

QSize TableBackgroundArea(QSize table, bool scrollBarShown) {
    return {table.width() + 1, table.height() + (scrollBarShown ? kScrolledBackgroundExtra : 1)};
}

QColor ColourOfRef(ColourRef colour, const QPalette& palette) {
    if (!IsSystemColour(colour)) {
        const Rgb rgb = RgbOf(colour);
        return QColor(rgb.red, rgb.green, rgb.blue);
    }
    const unsigned index = colour & 0xFFFFFFu;
    for (const SystemColour& system : kSystemColours)
        if (system.index == index) return palette.color(QPalette::Active, system.role);
    return palette.color(QPalette::Active, QPalette::Button);
}

void PaintTableBackground(QPainter& painter, QSize area, const BackgroundPlan& plan, const ImageFolder& images,
                          Messages& messages, const QPalette& palette) {
    const QRect whole(QPoint(0, 0), area);
    const QColor colour = ColourOfRef(plan.colour, palette);
    switch (plan.kind) {
        case BackgroundKind::Plain:
            painter.fillRect(whole, colour);
            return;
        case BackgroundKind::Faded:
            // Through QColor, so a system colour fades from the palette's channels.
            PaintFade(painter, area, {colour.red(), colour.green(), colour.blue()});
            return;
        case BackgroundKind::Tiled:
            if (!images.TileImage(painter, area.width(), area.height(), plan.picture, messages))
                painter.fillRect(whole, colour);
            return;
        case BackgroundKind::Whole: {
            painter.fillRect(whole, colour);
            QPixmap picture;
            if (images.LoadImageFile(plan.picture, picture)) painter.drawPixmap(0, 0, picture);
            return;
        }
    }
}

void DrawTableBackground(QPainter& painter, QSize table, const SettingsRecord& settings,
                         const TableBackgroundState& state, const ImageFolder& images, Messages& messages) {
    PaintTableBackground(painter, TableBackgroundArea(table, state.scrollBarShown),
                         PlanTableBackground(settings, state.demoMode, state.fewColours), images, messages,
                         QGuiApplication::palette());
}

}  // namespace dravicor
