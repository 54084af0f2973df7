// Drawing the table: a full repaint of a dealt two-deck game at 1920 x 1080
// (scaled to the window, pictures made once per size), and one frame of a
// drag (the engine's pointer move and the repaint of what the dragged cards
// left and reached). Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <ostream>
#include <random>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "cli/text_platform.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "silent_platform.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "ui/card_images.h"
#include "ui/image_folder.h"
#include "ui/resource_library.h"
#include "ui/table_widget.h"

namespace {

using namespace dravicor;
using bench::SilentPlatform;

constexpr int kFortyThieves = 5;  // two decks, all of them dealt face up or in the stock

struct PaintedTable {
    PaintedTable() {
        settings.put(Field::CardSize, "B");
        settings.put(Field::CardSet, "001");
        settings.put(Field::CardBack, "001");
        settings.put(Field::ConfirmQuitGame, "N");
        settings.put(Field::SpeedMoveCard, "0");
        settings.put(Field::CurrentGameNumber, "12345");
        library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
        const ImageFolder folder(DRAVICOR_BUILT_PROGRAM_DIR);
        cards = LoadCardImages({'B', "001", "001"}, folder, *library, platform.messages);
        engine.setGame(kFortyThieves, LoadGameRules(DRAVICOR_BUILT_PROGRAM_DIR "/GAMES.DAT", kFortyThieves,
                                                    NoCustomGames()));
        widget.resize(1920, 1080);
        widget.showGame(engine, *cards);
        engine.StartGame(true, false, 0, true);
        canvas = QImage(widget.size(), QImage::Format_ARGB32_Premultiplied);
        render(QRegion(widget.rect()));  // the pictures for this size are made once, here
    }

    // A table that shows no card would make the timings meaningless.
    bool showsCards() const {
        int white = 0;
        for (int y = 0; y < canvas.height(); y += 4) {
            for (int x = 0; x < canvas.width(); x += 4) white += canvas.pixel(x, y) == qRgb(255, 255, 255);
        }
        return white > 2000;
    }

    void render(const QRegion& region) { widget.render(&canvas, QPoint(), region, QWidget::DrawChildren); }

    SilentPlatform silent;
    Platform platform = silent.platform();
    SettingsRecord settings;
    std::mt19937_64 random{7};
    Engine engine{settings, platform, random};
    std::unique_ptr<ResourceLibrary> library;
    std::optional<CardImages> cards;
    TableWidget widget;
    QImage canvas;
};

void BM_FullRepaintTwoDecks1080p(benchmark::State& state) {
    PaintedTable table;
    if (!table.showsCards()) state.SkipWithError("the table shows no cards");
    const QRegion all(table.widget.rect());
    for (auto _ : state) {
        table.render(all);
        benchmark::DoNotOptimize(table.canvas.constBits());
    }
}
BENCHMARK(BM_FullRepaintTwoDecks1080p)->Unit(benchmark::kMillisecond);

// A tableau card is held and carried to and fro across the table; each
// iteration is one pointer move and the repaint of the two places.
void BM_DragFrame1080p(benchmark::State& state) {
    PaintedTable table;
    const TableGeometry geometry = table.engine.geometry();
    const Point grip{geometry.PileCardX(PileId::Tableau(1), 0, false) + 5,
                     geometry.PileCardY(PileId::Tableau(1), 0, false) + 5};
    table.engine.PointerPress(grip);
    int step = 0;
    QRect last;
    for (auto _ : state) {
        const Point to{grip.x + (step % 40) * 10, grip.y + 150 + (step % 7) * 5};
        ++step;
        table.engine.PointerMove(to);
        const QPoint at = table.widget.toWindow(table.engine.dragImagePosition());
        const QRect now(at - QPoint(20, 20), QSize(200, 240));
        table.render(QRegion(last | now));
        last = now;
        benchmark::DoNotOptimize(table.canvas.constBits());
    }
    table.engine.PointerRelease(grip);
}
BENCHMARK(BM_DragFrame1080p)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
