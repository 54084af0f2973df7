#include "game_previews.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include <QPainter>

#include "demo_settings.h"
#include "engine/engine.h"
#include "rules/catalogue.h"
#include "shapes.h"
#include "silent_platform.h"

namespace dravicor::resources {

namespace {

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 150;
const QColor kTable(0, 96, 0);
const QColor kEmptyPile(120, 190, 120);

struct DrawnCard {
    Rect rect;
    int card = 0;  // 0: an empty pile's outline
    bool faceUp = true;
};

// Every card of the table (bottom to top, pile by pile) and an outline
// for every empty pile the game shows.
std::vector<DrawnCard> TableCards(const Engine& engine) {
    std::vector<DrawnCard> drawn;
    const TableGeometry geometry = engine.geometry();
    const Size card = engine.cardSize();
    const Position& position = engine.position();
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine.origins().isOnTable(id)) return;
        if (pile.empty()) {
            drawn.push_back({Rect::At(engine.origins().origin(id), card), 0, true});
            return;
        }
        for (int i = 0; i < pile.size(); ++i) {
            const int skip = pile.size() - 1 - i;
            const Point at{geometry.PileCardX(id, skip, false), geometry.PileCardY(id, skip, false)};
            const int number = pile[i];
            if (!IsCard(number)) continue;
            drawn.push_back({Rect::At(at, card), number, position.cardTable.IsFaceUp(number)});
        }
    });
    return drawn;
}

QImage DrawPreview(const std::vector<DrawnCard>& cards) {
    int right = 800, bottom = 600;
    for (const DrawnCard& c : cards) {
        right = std::max(right, c.rect.right + 10);
        bottom = std::max(bottom, c.rect.bottom + 10);
    }
    const double scale = std::min(double(kPreviewWidth) / right, double(kPreviewHeight) / bottom);
    const auto scaled = [scale](const Rect& r) {
        const int left = int(r.left * scale), top = int(r.top * scale);
        return QRect(left, top, std::max(3, int(r.right * scale) - left), std::max(4, int(r.bottom * scale) - top));
    };

    QImage image = Canvas(kPreviewWidth, kPreviewHeight, kTable);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const DrawnCard& c : cards) {
        const QRect rect = scaled(c.rect);
        if (c.card == 0) {
            painter.setPen(kEmptyPile);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            continue;
        }
        DrawSmallCard(painter, rect, CardSuit(c.card), CardRank(c.card), c.faceUp);
    }
    return image;
}

}  // namespace

std::string GamePreviewName(int code) {
    char name[16];
    std::snprintf(name, sizeof name, "GAME%04d", code);
    return name;
}

void AddGamePreviews(PictureSet& pictures, const std::filesystem::path& catalogue,
                     std::vector<std::string>& problems) {
    GameList list;
    if (!LoadGameList(catalogue, list)) {
        problems.push_back("cannot read the game catalogue " + catalogue.string());
        return;
    }
    for (const int code : ListedGameCodes(list)) {
        GameRules rules;
        try {
            rules = LoadGameRules(catalogue, code, NoCustomGames{});
        } catch (const CatalogueError& error) {
            problems.push_back(GamePreviewName(code) + ": " + error.what());
            continue;
        }
        SilentPlatform silent;
        Platform platform = silent.platform();
        SettingsRecord settings;
        PutDemoSettings(settings);
        std::mt19937_64 random(0);  // the deal is chosen by its number
        Engine engine(settings, platform, random);
        engine.setGame(code, rules);
        settings.put(Field::CurrentGame, FormatField(code, Field::CurrentGame.width));
        settings.put(Field::CurrentGameNumber, "1");
        if (!engine.StartGame(true, false, 0, true)) {
            problems.push_back(GamePreviewName(code) + ": game number 1 cannot be dealt");
            continue;
        }
        pictures.push_back({GamePreviewName(code), DrawPreview(TableCards(engine)), {}});
    }
}

}  // namespace dravicor::resources
