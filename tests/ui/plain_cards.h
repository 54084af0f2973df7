#pragma once

#include <QPixmap>

#include "ui/card_images.h"

namespace dravicor::test {

// Card pictures of the standard size without the drawn artwork: blue backs,
// white faces (enough for where cards lie and what is outlined), or faces
// each of the solid colour given for its index, so a pixel tells which card
// lies there.
inline CardImages PlainCards(QColor (*faceColour)(int index) = nullptr) {
    CardImages images;
    images.cardSize = {71, 96};
    images.back = QPixmap(71, 96);
    images.back.fill(Qt::blue);
    for (size_t i = 0; i < images.faces.size(); ++i) {
        images.faces[i] = QPixmap(71, 96);
        images.faces[i].fill(faceColour != nullptr ? faceColour(static_cast<int>(i)) : QColor(Qt::white));
    }
    return images;
}

}  // namespace dravicor::test
