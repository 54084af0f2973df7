#include "contact_sheet.h"

#include <QDir>
#include <QPainter>
#include <vector>

#include "back_catalogue.h"
#include "background_catalogue.h"
#include "face_sets.h"
#include "image_files.h"

namespace dravicor::art {

namespace {

constexpr int kWidth = 1480;
constexpr int kMargin = 12;
constexpr int kLabel = 16;

class Sheet {
public:
    Sheet(const QString& folder, int height) : dir_(folder), image_(kWidth, height, QImage::Format_RGB32) {
        image_.fill(QColor(0, 96, 0));
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        painter_.setFont(font);
    }
    ~Sheet() {
        if (painter_.isActive()) painter_.end();
    }

    QImage load(const QString& name) const { return QImage(dir_.filePath(name + QStringLiteral(".bmp"))); }

    // Draws a picture (or a cross where it is missing) with a caption below.
    void place(const QImage& picture, QRect box, const QString& caption) {
        if (picture.isNull()) {
            painter_.setPen(QPen(Qt::red, 3));
            painter_.drawLine(box.topLeft(), box.bottomRight());
            painter_.drawLine(box.topRight(), box.bottomLeft());
        } else {
            painter_.drawImage(box, picture);
        }
        painter_.setPen(Qt::white);
        painter_.drawText(QRect(box.left() - 10, box.bottom() + 1, box.width() + 20, kLabel),
                          Qt::AlignHCenter | Qt::AlignTop, caption);
    }

    void heading(int y, const QString& text) {
        QFont font = painter_.font();
        font.setBold(true);
        font.setPixelSize(14);
        painter_.save();
        painter_.setFont(font);
        painter_.drawText(kMargin, y + 14, text);
        painter_.restore();
    }

    QImage result() {
        painter_.end();
        return image_;
    }

private:
    QDir dir_;
    QImage image_;
    QPainter painter_;
};

// A row of cards cut from the sheets of one set and size.
int FaceRow(Sheet& sheet, int y, const CardSize& size, int set, const QString& title) {
    sheet.heading(y, title);
    y += 20;
    const struct { Suit suit; int rank; } cards[] = {
        {Suit::Hearts, 1}, {Suit::Spades, 1}, {Suit::Diamonds, 2}, {Suit::Clubs, 5}, {Suit::Hearts, 7},
        {Suit::Spades, 9}, {Suit::Diamonds, 10}, {Suit::Clubs, 11}, {Suit::Hearts, 12}, {Suit::Spades, 12},
        {Suit::Diamonds, 13}, {Suit::Clubs, 13}, {Suit::Spades, 13}};
    int x = kMargin;
    for (const auto& card : cards) {
        const QImage suitSheet = sheet.load(FaceSheetName(size, set, card.suit));
        const int place = card.rank - 1;
        const QRect cut((place % kSheetColumns) * size.width, (place / kSheetColumns) * size.height,
                        size.width, size.height);
        sheet.place(suitSheet.isNull() ? QImage() : suitSheet.copy(cut),
                    QRect(x, y, size.width, size.height), QString());
        x += size.width + 6;
    }
    // and the whole spade sheet at twice the size, scaled down to the row
    const QImage twice = sheet.load(DoubleSizeName(FaceSheetName(size, set, Suit::Spades)));
    const QSize shown = QSize(size.width * kSheetColumns, size.height * kSheetRows) / 3;
    sheet.place(twice, QRect(QPoint(x + 10, y), shown), QStringLiteral("@2x"));
    return y + std::max(size.height, shown.height()) + kLabel + 6;
}

struct FaceRowPlan {
    CardSize size;
    int set;
    QString title;
};

// Every face set in the sizes it is drawn in, the decks' ones first.
std::vector<FaceRowPlan> FaceRows() {
    std::vector<FaceRowPlan> rows;
    for (const FaceSetInfo& set : DeckFaceSets()) {
        rows.push_back({kBigCards, set.number,
                        QStringLiteral("Face set %1 (B): %2").arg(set.number).arg(QString::fromLatin1(set.name))});
    }
    rows.push_back({kMediumCards, kMediumFaceSet, QStringLiteral("Face set %1 (M)").arg(kMediumFaceSet)});
    rows.push_back({kPocketCards, 1, QStringLiteral("Small faces of sets 1-5 (P)")});
    for (const DrawnFaceSetInfo& set : DrawnFaceSets()) {
        for (const CardSize& size : {kBigCards, kMediumCards, kPocketCards}) {
            rows.push_back({size, set.number,
                            QStringLiteral("Face set %1 (%2): %3")
                                .arg(set.number)
                                .arg(QLatin1Char(size.letter))
                                .arg(QString::fromLatin1(set.name))});
        }
    }
    return rows;
}

}  // namespace

QImage MakeContactSheet(const QString& imagesFolder) {
    const int backsPerRow = 14;
    const int tile = 96;
    const int tilesPerRow = (kWidth - 2 * kMargin) / (tile + 8);
    const int backRows = (static_cast<int>(CardBacks().size()) + backsPerRow - 1) / backsPerRow;
    const int tileRows = (static_cast<int>(Backgrounds().size()) + 1 + tilesPerRow - 1) / tilesPerRow;
    const std::vector<FaceRowPlan> faceRows = FaceRows();
    int faceHeight = 0;
    for (const FaceRowPlan& row : faceRows) faceHeight += 20 + row.size.height + kLabel + 6;
    const int height = kMargin + faceHeight + backRows * (96 + 34) * 2 + 40 + tileRows * (tile + 34) + 60;
    Sheet sheet(imagesFolder, height);

    int y = kMargin;
    for (const FaceRowPlan& row : faceRows) y = FaceRow(sheet, y, row.size, row.set, row.title);

    for (const CardSize& size : {kBigCards, kMediumCards}) {
        sheet.heading(y, QStringLiteral("Card backs (%1)").arg(QLatin1Char(size.letter)));
        y += 20;
        int column = 0;
        for (const BackInfo& back : CardBacks()) {
            const int x = kMargin + column * 104;
            sheet.place(sheet.load(BackName(size, back.number)), QRect(x + 16, y, size.width, size.height),
                        QStringLiteral("%1 %2").arg(back.number).arg(QString::fromLatin1(back.name)));
            if (++column == backsPerRow) {
                column = 0;
                y += kBigCards.height + kLabel + 10;
            }
        }
        if (column) y += kBigCards.height + kLabel + 10;
    }

    sheet.heading(y, QStringLiteral("Backgrounds"));
    y += 20;
    int column = 0;
    const auto placeTile = [&](const QString& file, const QString& caption) {
        sheet.place(sheet.load(file), QRect(kMargin + column * (tile + 8), y, tile, tile), caption);
        if (++column == tilesPerRow) {
            column = 0;
            y += tile + kLabel + 10;
        }
    };
    for (const BackgroundInfo& background : Backgrounds()) {
        placeTile(BackgroundName(background.number),
                  QStringLiteral("%1 %2").arg(background.number).arg(QString::fromLatin1(background.name)));
    }
    placeTile(QStringLiteral("Y001"), QStringLiteral("Y001 demo"));
    return sheet.result();
}

}  // namespace dravicor::art
