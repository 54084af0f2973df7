#pragma once

#include <QPixmap>

#include "ui/card_images.h"

namespace dravicor::test {

// Card pictures of the standard size without the drawn artwork: blue backs,
// white faces. Enough for where cards lie and what is outlined.
inline CardImages PlainCards() {
    CardImages images;
    images.cardSize = {71, 96};
    images.back = QPixmap(71, 96);
    images.back.fill(Qt::blue);
    for (auto& face : images.faces) {
        face = QPixmap(71, 96);
        face.fill(Qt::white);
    }
    return images;
}

}  // namespace dravicor::test
