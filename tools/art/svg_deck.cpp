#include "svg_deck.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include "face_sheet.h"

namespace dravicor::art {

namespace {

QString SuitWord(Suit suit) {
    switch (suit) {
        case Suit::Hearts: return QStringLiteral("heart");
        case Suit::Diamonds: return QStringLiteral("diamond");
        case Suit::Clubs: return QStringLiteral("club");
        case Suit::Spades: return QStringLiteral("spade");
    }
    return {};
}

// The SVG= line of the deck's index.desktop; empty when there is none.
QString SvgFileOf(const QString& indexPath) {
    QFile index(indexPath);
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&index);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QStringLiteral("SVG="))) return line.mid(4).trimmed();
    }
    return {};
}

}  // namespace

QString CardElementId(Suit suit, int rank) {
    QString name;
    switch (rank) {
        case 11: name = QStringLiteral("jack"); break;
        case 12: name = QStringLiteral("queen"); break;
        case 13: name = QStringLiteral("king"); break;
        default: name = QString::number(rank); break;
    }
    return name + QLatin1Char('_') + SuitWord(suit);
}

std::unique_ptr<SvgDeck> SvgDeck::open(const QString& decksRoot, const QString& folder,
                                       QString* error) {
    const QDir dir(QDir(decksRoot).filePath(folder));
    const QString indexPath = dir.filePath(QStringLiteral("index.desktop"));
    const QString svgName = SvgFileOf(indexPath);
    if (svgName.isEmpty()) {
        *error = QStringLiteral("card deck missing: cannot read ") + indexPath;
        return nullptr;
    }
    const QString svgPath = dir.filePath(svgName);
    if (!QFile::exists(svgPath)) {
        *error = QStringLiteral("card deck missing: cannot find ") + svgPath;
        return nullptr;
    }
    auto renderer = std::make_unique<QSvgRenderer>(svgPath);
    if (!renderer->isValid()) {
        *error = QStringLiteral("card deck unreadable: ") + svgPath;
        return nullptr;
    }
    for (Suit suit : kSuits) {
        for (int rank = 1; rank <= kRanks; ++rank) {
            if (!renderer->elementExists(CardElementId(suit, rank))) {
                *error = QStringLiteral("card deck incomplete: %1 has no card \"%2\"")
                             .arg(svgPath, CardElementId(suit, rank));
                return nullptr;
            }
        }
    }
    return std::unique_ptr<SvgDeck>(new SvgDeck(std::move(renderer)));
}

SvgDeck::SvgDeck(std::unique_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}
SvgDeck::~SvgDeck() = default;

QImage SvgDeck::element(const QString& id, QSize size) const {
    QImage image = BlankCard(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer_->render(&painter, id, QRectF(QPointF(0, 0), size));
    return image;
}

QImage SvgDeck::face(Suit suit, int rank, QSize size) const {
    return element(CardElementId(suit, rank), size);
}

bool SvgDeck::hasBack() const { return renderer_->elementExists(QStringLiteral("back")); }

QImage SvgDeck::back(QSize size) const { return element(QStringLiteral("back"), size); }

}  // namespace dravicor::art
