#include "art_writer.h"

#include "back_catalogue.h"
#include "back_painter.h"
#include "background_painter.h"
#include "face_sets.h"
#include "face_sheet.h"
#include "large_index_faces.h"
#include "pocket_faces.h"
#include "svg_deck.h"

namespace dravicor::art {

namespace {

constexpr int kScales[] = {1, 2};

QString ScaledName(const QString& name, int scale) {
    return scale == 1 ? name : DoubleSizeName(name);
}

bool Write(ImageFolder& out, const QString& name, const QImage& image, QString* error) {
    if (out.write(name, image)) return true;
    *error = out.error();
    return false;
}

bool WriteDeckSheets(const SvgDeck& deck, int set, const CardSize& size, ImageFolder& out,
                     QString* error) {
    for (Suit suit : kSuits) {
        for (int scale : kScales) {
            const QSize card = size.size(scale);
            const QImage sheet =
                AssembleSheet(card, [&](int rank) { return deck.face(suit, rank, card); });
            if (!Write(out, ScaledName(FaceSheetName(size, set, suit), scale), sheet, error)) return false;
        }
    }
    return true;
}

}  // namespace

bool WriteCardFaces(const QString& decksRoot, ImageFolder& out, QString* error) {
    for (const FaceSetInfo& set : DeckFaceSets()) {
        const auto deck = SvgDeck::open(decksRoot, QString::fromLatin1(set.deckFolder), error);
        if (!deck) return false;
        if (!WriteDeckSheets(*deck, set.number, kBigCards, out, error)) return false;
        if (set.number == kMediumFaceSet &&
            !WriteDeckSheets(*deck, set.number, kMediumCards, out, error)) {
            return false;
        }
    }
    // The smallest cards of the decks' sets have one look, whichever set is chosen.
    for (Suit suit : kSuits) {
        for (int scale : kScales) {
            const QImage sheet = AssembleSheet(kPocketCards.size(scale),
                                               [&](int rank) { return PocketFace(suit, rank, scale); });
            for (const FaceSetInfo& set : DeckFaceSets()) {
                const QString name = FaceSheetName(kPocketCards, set.number, suit);
                if (!Write(out, ScaledName(name, scale), sheet, error)) return false;
            }
        }
    }
    for (const DrawnFaceSetInfo& set : DrawnFaceSets()) {
        for (const CardSize& size : {kBigCards, kMediumCards, kPocketCards}) {
            for (Suit suit : kSuits) {
                for (int scale : kScales) {
                    const QImage sheet = AssembleSheet(size.size(scale), [&](int rank) {
                        return LargeIndexFace(suit, rank, size, scale, set.colours);
                    });
                    if (!Write(out, ScaledName(FaceSheetName(size, set.number, suit), scale), sheet, error))
                        return false;
                }
            }
        }
    }
    return true;
}

bool WriteCardBacks(ImageFolder& out, QString* error) {
    for (const BackInfo& back : CardBacks()) {
        for (const CardSize& size : {kBigCards, kMediumCards, kPocketCards}) {
            for (int scale : kScales) {
                const QImage image = PaintBack(back.number, size.size(scale));
                if (!Write(out, ScaledName(BackName(size, back.number), scale), image, error)) return false;
            }
        }
    }
    return true;
}

bool WriteBackgrounds(ImageFolder& out, QString* error) {
    for (const BackgroundInfo& background : Backgrounds()) {
        if (!Write(out, BackgroundName(background.number), PaintBackground(background), error)) return false;
    }
    return Write(out, QStringLiteral("Y001"), PaintDemoBackground(), error);
}

}  // namespace dravicor::art
