#pragma once

#include "common/geometry.h"

namespace dravicor {

// The table is laid out in its own pixels (a card of the big size is 71 by
// 96) and drawn scaled to the window: one factor for both directions, the
// piles centred across the width. Without scaling the factor is 1 and the
// table's pixels are the window's.
class TableTransform {
public:
    // The window size the table's layout was made for: at this size and
    // above, cards are drawn at their own size or bigger.
    static constexpr Size kReferenceWindow{800, 600};
    static constexpr double kSmallestScale = 0.5;

    TableTransform() = default;
    // Fits the reference window into the window (scaled) or takes the
    // window as it is (not scaled). A game laid out wider than the
    // reference (contentWidth, with its margins) is fitted by its width.
    static TableTransform Fit(Size window, bool scaled, int contentWidth = 0);

    double scale() const { return scale_; }
    // The area the layout has to fill, in table pixels.
    Size tableArea() const { return area_; }

    // Centres the piles across the window: contentRight is the right edge
    // of the rightmost pile, and the layout's left margin is kept on the
    // right as well. Never moves the table left of the window's edge.
    void centre(int contentRight, int leftMargin);
    int offsetX() const { return offsetX_; }

    // Table pixels to window pixels and back. A window pixel maps to the
    // table pixel it lies in, so a point drawn maps back to itself.
    Point toWindow(Point table) const;
    int toWindowLength(int length) const;
    Size toWindow(Size size) const { return {toWindowLength(size.width), toWindowLength(size.height)}; }
    Point toTable(Point window) const;

private:
    double scale_ = 1.0;
    Size area_ = kReferenceWindow;
    int offsetX_ = 0;  // window pixels
};

}  // namespace dravicor
