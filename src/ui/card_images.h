#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>

#include <QImage>
#include <QPixmap>

#include "common/geometry.h"
#include "common/platform.h"

namespace dravicor {

class ImageFolder;
class ResourceLibrary;

// Every picture the table draws cards with, for one card size.
struct CardImages {
    Size cardSize;  // in logical pixels, whatever the pictures' density
    std::map<int, QPixmap> markers;  // empty-pile markers by number (a name the library lacks stays null)
    QPixmap back;
    std::array<QPixmap, 2> shadows;  // white shows the table
    std::array<QPixmap, 2> borders;  // pure blue shows the card
    // Hearts 0-12, diamonds 13-25, clubs 26-38, spades 39-51, Ace to King.
    std::array<QPixmap, 52> faces;
};

// Which pictures: the card-size letter, the face set and the back, as the
// settings record holds them ("B", "001", "011").
struct CardImageChoice {
    char sizeLetter = 'B';
    std::string faceSet;
    std::string back;
    bool operator==(const CardImageChoice&) const = default;
};

// A face sheet holds the 13 cards of a suit, Ace to King, five to a row.
// A sheet too small for all of them leaves the missing cards blank.
std::array<QImage, 13> CutFaceSheet(const QImage& sheet, Size card);

// The face sheet files: "C" + size + set + suit letter; the back: "D" + size + back.
std::string FaceSheetName(const CardImageChoice& choice, char suitLetter);
std::string BackName(const CardImageChoice& choice);

// Loads markers, back, shadows and borders, then the four face sheets. A
// missing back or sheet is reported as a missing images file and nothing
// is returned: the program ends.
std::optional<CardImages> LoadCardImages(const CardImageChoice& choice, const ImageFolder& images,
                                         const ResourceLibrary& library, Messages& messages);

// The parts of LoadCardImages, for reloading only what a change of the
// settings touched. A missing file is reported as above, and the pictures
// stay as they were (false). An unknown size letter loads nothing (false).
bool LoadCardFaces(const CardImageChoice& choice, const ImageFolder& images, Messages& messages, CardImages& into);
bool LoadCardBack(const CardImageChoice& choice, const ImageFolder& images, Messages& messages, CardImages& into);
void LoadLibraryPictures(char sizeLetter, const ResourceLibrary& library, CardImages& into);

// The double-size set, for drawing zoomed in or on high-density screens.
// Its pictures have twice the pixels and a device pixel ratio of 2, so each
// covers the same logical area as its natural-size twin. Faces and back
// come from the "@2x" files; where one is missing, the natural picture is
// scaled up smoothly instead, without a message (the natural set was
// checked when it was loaded). Markers, shadows and borders are always
// the natural ones scaled up.
inline constexpr double kDoubleSizeRatio = 2.0;
CardImages DoubleSizeCardImages(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural);
void LoadDoubleSizeFaces(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural,
                         CardImages& into);
void LoadDoubleSizeBack(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural,
                        CardImages& into);
void ScaleLibraryPictures(const CardImages& natural, CardImages& into);

}  // namespace dravicor
