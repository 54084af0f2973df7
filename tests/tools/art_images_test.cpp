// The pictures the build wrote into the program's Images folder: every file
// the appearance choices name, at its size, with distinct faces; and the
// generator's refusal of a missing deck.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <string>

namespace {

const QDir kImages(QStringLiteral(DRAVICOR_IMAGES_DIR));

struct Size {
    char letter;
    int width;
    int height;
};
constexpr Size kBig{'B', 71, 96};
constexpr Size kMedium{'M', 59, 80};
constexpr Size kPocket{'P', 25, 32};
constexpr char kSuits[] = {'H', 'D', 'C', 'S'};

QString Three(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }

QString SheetName(Size size, int set, char suit) {
    return QStringLiteral("C") + QLatin1Char(size.letter) + Three(set) + QLatin1Char(suit);
}

QString BackFile(Size size, int back) { return QStringLiteral("D") + QLatin1Char(size.letter) + Three(back); }

QImage Load(const QString& name) { return QImage(kImages.filePath(name + QStringLiteral(".bmp"))); }

QByteArray Pixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    for (int y = 0; y < rgb.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4);
    }
    return bytes;
}

// The 13 cards of a sheet, Ace to King, cut as the program cuts them.
std::vector<QImage> CutSheet(const QImage& sheet, Size size) {
    std::vector<QImage> cards;
    for (int k = 0; k < 13; ++k) {
        cards.push_back(sheet.copy((k % 5) * size.width, (k / 5) * size.height, size.width, size.height));
    }
    return cards;
}

// Every sheet of a choice at its size, with its double-size variant, and
// the 52 faces cut from them all different.
void ExpectSheetsWithDistinctFaces(Size size, int set) {
    std::set<QByteArray> faces;
    for (char suit : kSuits) {
        const QString name = SheetName(size, set, suit);
        const QImage sheet = Load(name);
        ASSERT_FALSE(sheet.isNull()) << name.toStdString() << " is missing";
        EXPECT_EQ(sheet.size(), QSize(5 * size.width, 3 * size.height)) << name.toStdString();
        const QImage twice = Load(name + QStringLiteral("@2x"));
        ASSERT_FALSE(twice.isNull()) << name.toStdString() << "@2x is missing";
        EXPECT_EQ(twice.size(), sheet.size() * 2) << name.toStdString() << "@2x";
        for (const QImage& card : CutSheet(sheet, size)) faces.insert(Pixels(card));
    }
    EXPECT_EQ(faces.size(), 52u) << "set " << set << " size " << size.letter;
}

// The background tiles: the five low-colour pictures, then the others.
std::vector<QString> BackgroundNames() {
    std::vector<QString> names;
    for (int n = 101; n <= 105; ++n) names.push_back(QStringLiteral("B") + Three(n));
    for (int n = 257; n <= 324; ++n) names.push_back(QStringLiteral("B") + Three(n));
    return names;
}

}  // namespace

// Sets 6 and 7, the large-index faces, are drawn in every size.
constexpr int kLargeIndexSets[] = {6, 7};

TEST(ArtImages, FaceSheetsOfEveryChoiceExistAtTheirSizeWith52DistinctFaces) {
    for (int set = 1; set <= 5; ++set) ExpectSheetsWithDistinctFaces(kBig, set);
    ExpectSheetsWithDistinctFaces(kMedium, 3);
    for (int set = 1; set <= 5; ++set) ExpectSheetsWithDistinctFaces(kPocket, set);
    for (int set : kLargeIndexSets)
        for (Size size : {kBig, kMedium, kPocket}) ExpectSheetsWithDistinctFaces(size, set);
}

TEST(ArtImages, FaceSetsDifferFromOneAnother) {
    std::set<QByteArray> kings;
    // clubs: the four-colour set differs from set 6 there
    for (int set = 1; set <= 7; ++set) kings.insert(Pixels(CutSheet(Load(SheetName(kBig, set, 'C')), kBig)[12]));
    EXPECT_EQ(kings.size(), 7u);
    // The large-index small cards are their own, not the other sets' ones.
    const QImage pocketAce = CutSheet(Load(SheetName(kPocket, 1, 'H')), kPocket)[0];
    EXPECT_NE(Pixels(CutSheet(Load(SheetName(kPocket, 6, 'H')), kPocket)[0]), Pixels(pocketAce));
}

// The strongest ink of a card's top-left corner, where the index stands: the
// pixel farthest from the white of the card.
QColor IndexInk(Size size, int set, char suit, int rank) {
    const QImage card = CutSheet(Load(SheetName(size, set, suit)), size)[static_cast<size_t>(rank - 1)];
    QColor ink = Qt::white;
    const auto paleness = [](const QColor& c) { return c.red() + c.green() + c.blue(); };
    for (int y = 2; y < size.height / 2; ++y)
        for (int x = 2; x < size.width / 2; ++x)
            if (paleness(card.pixelColor(x, y)) < paleness(ink)) ink = card.pixelColor(x, y);
    return ink;
}

enum class Hue { Red, Blue, Green, Black, Other };
Hue HueOf(const QColor& c) {
    if (c.red() > 2 * std::max(c.green(), c.blue()) + 40) return Hue::Red;
    if (c.blue() > 2 * std::max(c.red(), c.green()) + 40) return Hue::Blue;
    if (c.green() > 2 * std::max(c.red(), c.blue()) + 40) return Hue::Green;
    return c.red() + c.green() + c.blue() < 120 ? Hue::Black : Hue::Other;
}

TEST(ArtImages, TheFourColourSetPrintsDiamondsBlueAndClubsGreen) {
    const struct {
        char suit;
        Hue twoColours;
        Hue fourColours;
    } inks[] = {{'H', Hue::Red, Hue::Red}, {'D', Hue::Red, Hue::Blue},
                {'C', Hue::Black, Hue::Green}, {'S', Hue::Black, Hue::Black}};
    for (Size size : {kBig, kMedium, kPocket}) {
        for (const auto& ink : inks) {
            for (int rank : {1, 10, 13}) {
                EXPECT_EQ(HueOf(IndexInk(size, 6, ink.suit, rank)), ink.twoColours)
                    << size.letter << ink.suit << rank;
                EXPECT_EQ(HueOf(IndexInk(size, 7, ink.suit, rank)), ink.fourColours)
                    << size.letter << ink.suit << rank;
            }
        }
    }
}

TEST(ArtImages, EveryBackExistsInEverySizeAndTheyDiffer) {
    for (Size size : {kBig, kMedium, kPocket}) {
        std::set<QByteArray> backs;
        for (int back = 1; back <= 27; ++back) {
            const QString name = BackFile(size, back);
            const QImage image = Load(name);
            ASSERT_FALSE(image.isNull()) << name.toStdString() << " is missing";
            EXPECT_EQ(image.size(), QSize(size.width, size.height)) << name.toStdString();
            EXPECT_EQ(Load(name + QStringLiteral("@2x")).size(), image.size() * 2) << name.toStdString();
            backs.insert(Pixels(image));
        }
        EXPECT_EQ(backs.size(), 27u) << "size " << size.letter;
    }
    // the back the medium cards always use
    EXPECT_FALSE(Load(QStringLiteral("DM006")).isNull());
}

TEST(ArtImages, EveryBackgroundExistsAndTheyDiffer) {
    const std::vector<QString> names = BackgroundNames();
    std::set<QByteArray> tiles;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = names[i].toStdString();
        const QImage tile = Load(names[i]);
        ASSERT_FALSE(tile.isNull()) << name << " is missing";
        EXPECT_GE(tile.width(), 32) << name;
        EXPECT_GE(tile.height(), 32) << name;
        tiles.insert(Pixels(tile));
        // The low-colour ones keep to a palette.
        if (i < 5) {
            EXPECT_EQ(tile.format(), QImage::Format_Indexed8) << name;
            EXPECT_LE(tile.colorCount(), 256) << name;
        }
    }
    EXPECT_EQ(tiles.size(), names.size());
    EXPECT_FALSE(Load(QStringLiteral("Y001")).isNull());
}

// A tile repeats without a seam when its last column runs into its first no
// more abruptly than its neighbouring columns run into each other.
TEST(ArtImages, BackgroundTilesRepeatWithoutASeam) {
    std::vector<QString> names = BackgroundNames();
    names.push_back(QStringLiteral("Y001"));
    for (const QString& name : names) {
        QImage tile = Load(name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(tile.isNull()) << name.toStdString();
        for (bool across : {true, false}) {
            if (!across) tile = tile.transformed(QTransform().rotate(90));
            const auto columnStep = [&](int a, int b) {
                double sum = 0;
                for (int y = 0; y < tile.height(); ++y) {
                    const QRgb p = tile.pixel(a, y);
                    const QRgb q = tile.pixel(b, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q));
                }
                return sum / tile.height();
            };
            double inside = 0;
            for (int x = 0; x + 1 < tile.width(); ++x) inside = std::max(inside, columnStep(x, x + 1));
            EXPECT_LE(columnStep(tile.width() - 1, 0), inside * 1.05 + 1)
                << name.toStdString() << (across ? " left/right" : " top/bottom");
        }
    }
}

TEST(ArtGenerator, AMissingDeckFailsWithItsName) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString decks = scratch.filePath(QStringLiteral("no-decks-here"));
    QProcess art;
    art.setProcessChannelMode(QProcess::SeparateChannels);
    art.start(QStringLiteral(DRAVICOR_ART_PROGRAM),
              {QStringLiteral("--decks"), decks, QStringLiteral("--output"), scratch.filePath(QStringLiteral("Images"))});
    ASSERT_TRUE(art.waitForFinished(60000));
    EXPECT_EQ(art.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(art.exitCode(), 1);
    const std::string message = art.readAllStandardError().toStdString();
    EXPECT_NE(message.find("card deck missing"), std::string::npos) << message;
    EXPECT_NE(message.find(decks.toStdString()), std::string::npos) << message;
    // Nothing is stamped as done.
    EXPECT_FALSE(QFile::exists(scratch.filePath(QStringLiteral("Images/.generated"))));
}
