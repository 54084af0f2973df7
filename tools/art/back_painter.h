// A card back: a white-rimmed card whose field shows the back's picture.
#pragma once

#include <QImage>
#include <QSize>

namespace dravicor::art {

// Back number 1 to 27 at the given card size; a null image for another number.
QImage PaintBack(int number, QSize size);

}  // namespace dravicor::art
