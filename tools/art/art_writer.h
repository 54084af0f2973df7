// Writes every picture of the Images folder.
#pragma once

#include <QString>

#include "image_files.h"

namespace dravicor::art {

// Face sheets of every set from the decks below decksRoot, the small faces,
// the large-index sets in every size, the card backs, the backgrounds and the demo background, each also at
// twice the size where it is a card ("@2x"). False, with the reason in
// *error, when a deck is missing or a file cannot be written.
bool WriteCardFaces(const QString& decksRoot, ImageFolder& out, QString* error);
bool WriteCardBacks(ImageFolder& out, QString* error);
bool WriteBackgrounds(ImageFolder& out, QString* error);

}  // namespace dravicor::art
