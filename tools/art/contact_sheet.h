// One picture showing every face set, back and background of an Images
// folder with its name, for looking the artwork over.
#pragma once

#include <QImage>
#include <QString>

namespace dravicor::art {

// Reads the pictures from the folder; a picture that is missing shows as a
// red cross.
QImage MakeContactSheet(const QString& imagesFolder);

}  // namespace dravicor::art
