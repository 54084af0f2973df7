#include "ui/game_tree_icons.h"

#include <QBitmap>

#include "select/game_tree_contents.h"
#include "ui/resource_library.h"

namespace dravicor {

namespace {
const QColor kMaskColour(128, 0, 0);
constexpr int kIconSize = 16;
}  // namespace

GameTreeIcons::GameTreeIcons(const ResourceLibrary& library) {
    for (const std::string_view name : kTreeIconNames) {
        QPixmap picture = library.LoadNamedBitmap(name);
        if (picture.isNull()) {
            picture = QPixmap(kIconSize, kIconSize);
            picture.fill(Qt::transparent);
        } else {
            picture.setMask(picture.createMaskFromColor(kMaskColour, Qt::MaskInColor));
        }
        pictures_.push_back(picture);
    }
}

const QPixmap& GameTreeIcons::picture(int index) const {
    const auto at = index >= 0 && static_cast<std::size_t>(index) < pictures_.size() ? static_cast<std::size_t>(index)
                                                                                      : std::size_t{0};
    return pictures_[at];
}

QIcon GameTreeIcons::icon(int index, int selected) const {
    QIcon icon;
    icon.addPixmap(picture(index), QIcon::Normal);
    icon.addPixmap(picture(selected), QIcon::Selected);
    return icon;
}

}  // namespace dravicor
