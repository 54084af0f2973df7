// One card deck of the Debian package kdegames-card-data-kf5: a folder
// below /usr/share/carddecks with an index.desktop naming its SVG file, whose
// elements "1_club" ... "king_spade" and "back" are the cards.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "card_size.h"

class QSvgRenderer;

namespace dravicor::art {

class SvgDeck {
public:
    // Opens decksRoot/folder. Null, with the reason in *error, when the
    // folder, its index.desktop, the SVG file or one of the 52 cards is missing.
    static std::unique_ptr<SvgDeck> open(const QString& decksRoot, const QString& folder,
                                         QString* error);
    ~SvgDeck();

    // One face, rank 1 (Ace) to 13 (King), rendered at its final size.
    QImage face(Suit suit, int rank, QSize size) const;
    // The deck's back, when it has one.
    bool hasBack() const;
    QImage back(QSize size) const;

private:
    explicit SvgDeck(std::unique_ptr<QSvgRenderer> renderer);
    QImage element(const QString& id, QSize size) const;

    std::unique_ptr<QSvgRenderer> renderer_;
};

// "1_heart", "10_club", "queen_spade": the element of a card in these decks.
QString CardElementId(Suit suit, int rank);

}  // namespace dravicor::art
