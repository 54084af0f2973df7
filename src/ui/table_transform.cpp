#include "ui/table_transform.h"

#include <algorithm>
#include <cmath>

namespace dravicor {

TableTransform TableTransform::Fit(Size window, bool scaled, int contentWidth) {
    TableTransform fit;
    const Size usable{std::max(window.width, 1), std::max(window.height, 1)};
    if (scaled) {
        const int width = std::max(kReferenceWindow.width, contentWidth);
        fit.scale_ = std::max(kSmallestScale, std::min(static_cast<double>(usable.width) / width,
                                                       static_cast<double>(usable.height) / kReferenceWindow.height));
    }
    // The table reaches to the window's edges, whatever their proportions.
    fit.area_ = {static_cast<int>(std::floor(usable.width / fit.scale_)),
                 static_cast<int>(std::floor(usable.height / fit.scale_))};
    return fit;
}

void TableTransform::centre(int contentRight, int leftMargin) {
    const int spare = area_.width - (contentRight + leftMargin);
    offsetX_ = spare > 0 ? toWindowLength(spare / 2) : 0;
}

Point TableTransform::toWindow(Point table) const {
    return {offsetX_ + toWindowLength(table.x), toWindowLength(table.y)};
}

int TableTransform::toWindowLength(int length) const {
    return static_cast<int>(std::lround(length * scale_));
}

Point TableTransform::toTable(Point window) const {
    // The inverse of the rounding above: the table pixel whose window
    // position is nearest below.
    const auto back = [this](int value) {
        int table = static_cast<int>(std::floor((value + 0.5) / scale_));
        while (table > 0 && toWindowLength(table) > value) --table;
        while (toWindowLength(table + 1) <= value) ++table;
        return table;
    };
    return {back(window.x - offsetX_), back(window.y)};
}

}  // namespace dravicor
