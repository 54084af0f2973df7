#include "shell/background_plan.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "shell/high_contrast.h"

namespace dravicor {
namespace {

TEST(MulDiv, RoundsToTheNearestWithHalvesToEven) {
    // 199.22, 99.61, 0.5, 1.5, 2.5, 3.5, -2.5, -3.5, -2.67, -3.5, 849.
    const int cases[][4] = {{255, 200, 256, 199}, {255, 100, 256, 100}, {1, 128, 256, 0}, {3, 128, 256, 2},
                            {5, 1, 2, 2},         {7, 1, 2, 4},         {-5, 1, 2, -2},   {-7, 1, 2, -4},
                            {-8, 1, 3, -3},       {7, 1, -2, -4},       {256, 849, 256, 849}};
    for (const auto& [a, b, c, quotient] : cases) EXPECT_EQ(MulDiv(a, b, c), quotient) << a << "*" << b << "/" << c;
}

// The bands, from the top band down, tile the area without gap or overlap.
void ExpectBandsTileTheArea(int height) {
    const auto bands = FadeBands(height, {10, 20, 30});
    EXPECT_EQ(bands[255].top, 0) << height;
    EXPECT_EQ(bands[0].bottom, height) << height;
    int rows = 0;
    for (int k = 0; k < kFadeBandCount; ++k) {
        const FadeBand& band = bands[static_cast<size_t>(k)];
        EXPECT_LE(band.top, band.bottom) << height << " band " << k;
        if (k > 0) {
            EXPECT_EQ(band.bottom, bands[static_cast<size_t>(k - 1)].top) << height << " band " << k;
        }
        rows += band.bottom - band.top;
    }
    EXPECT_EQ(rows, height);
}

TEST(FadeBands, TileTheWholeAreaFromTheBottomUp) {
    for (int height : {1, 2, 97, 128, 255, 256, 257, 600, 849}) ExpectBandsTileTheArea(height);
}

TEST(FadeBands, RowsAndColoursOfTheBands) {
    // 256 rows: one row per band.
    const Rgb colour{200, 100, 50};
    EXPECT_EQ(FadeBandOf(0, 256, colour), (FadeBand{255, 256, {0, 0, 0}}));
    EXPECT_EQ(FadeBandOf(127, 256, colour), (FadeBand{128, 129, {99, 50, 25}}));  // 99.2, 49.6, 24.8
    EXPECT_EQ(FadeBandOf(128, 256, colour), (FadeBand{127, 128, {100, 50, 25}}));
    EXPECT_EQ(FadeBandOf(255, 256, colour), (FadeBand{0, 1, {199, 100, 50}}));  // 199.2, 99.6, 49.8

    // 128 rows: band k ends k/2 rows above the bottom, halves to even, so
    // band 0 gets no row and bands 3 and 4 none either.
    const Rgb white{255, 255, 255};
    EXPECT_EQ(FadeBandOf(0, 128, white), (FadeBand{128, 128, {0, 0, 0}}));
    EXPECT_EQ(FadeBandOf(1, 128, white), (FadeBand{127, 128, {1, 1, 1}}));
    EXPECT_EQ(FadeBandOf(2, 128, white), (FadeBand{126, 127, {2, 2, 2}}));
    EXPECT_EQ(FadeBandOf(3, 128, white).top, FadeBandOf(3, 128, white).bottom);
    EXPECT_EQ(FadeBandOf(4, 128, white).top, FadeBandOf(4, 128, white).bottom);
    EXPECT_EQ(FadeBandOf(5, 128, white), (FadeBand{125, 126, {5, 5, 5}}));
    EXPECT_EQ(FadeBandOf(255, 128, white), (FadeBand{0, 0, {254, 254, 254}}));
    EXPECT_EQ(FadeBandOf(254, 128, white), (FadeBand{0, 1, {253, 253, 253}}));

    // A 600-row table with the scroll bar: 680 rows, every band several.
    const Rgb teal = RgbOf(8421376);
    EXPECT_EQ(teal, (Rgb{0, 128, 128}));
    EXPECT_EQ(FadeBandOf(0, 680, teal), (FadeBand{677, 680, {0, 0, 0}}));    // 2.66 rows
    EXPECT_EQ(FadeBandOf(1, 680, teal), (FadeBand{675, 677, {0, 0, 0}}));    // 5.31; 0.5 -> 0
    EXPECT_EQ(FadeBandOf(3, 680, teal), (FadeBand{669, 672, {0, 2, 2}}));    // 10.6, 7.97; 1.5 -> 2
    EXPECT_EQ(FadeBandOf(255, 680, teal), (FadeBand{0, 3, {0, 128, 128}}));  // 677.3; 127.5 -> 128
}

class PlanTableBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.put(Field::BackgroundDefault, "N");
        settings.put(Field::BackgroundColour, "3302600");  // 200, 100, 50
        settings.put(Field::BackgroundPicture, "0");
        settings.put(Field::BackgroundFixedColour, "0");
        settings.put(Field::FadeBackground, "Y");
    }
    SettingsRecord settings;
};

TEST_F(PlanTableBackgroundTest, DemoModeTilesTheDemoTableWhateverTheSettings) {
    const BackgroundPlan demo{BackgroundKind::Tiled, 24576, "Y001"};
    EXPECT_EQ(PlanTableBackground(settings, true, false), demo);
    settings.put(Field::BackgroundDefault, "Y");
    EXPECT_EQ(PlanTableBackground(settings, true, false), demo);
    settings.put(Field::BackgroundPicture, "257");
    EXPECT_EQ(PlanTableBackground(settings, true, false), demo);
}

TEST_F(PlanTableBackgroundTest, AFixedColourWinsOverTheCustomColour) {
    settings.put(Field::FadeBackground, "N");
    settings.put(Field::BackgroundFixedColour, "8421376");
    EXPECT_EQ(PlanTableBackground(settings, false, false).colour, 8421376u);
    // The system button face, kept as a negative number.
    settings.put(Field::BackgroundFixedColour, "0");
    settings.put(Field::BackgroundColour, "-2147483633");
    const BackgroundPlan plan = PlanTableBackground(settings, false, false);
    EXPECT_EQ(plan.colour, 0x8000000Fu);
    EXPECT_TRUE(IsSystemColour(plan.colour));
}

TEST_F(PlanTableBackgroundTest, PicturesBelow500AreTiledTheOthersDrawnOnce) {
    settings.put(Field::BackgroundPicture, "257");
    EXPECT_EQ(PlanTableBackground(settings, false, false), (BackgroundPlan{BackgroundKind::Tiled, 24576, "B257"}));
    settings.put(Field::BackgroundPicture, "101");
    EXPECT_EQ(PlanTableBackground(settings, false, true), (BackgroundPlan{BackgroundKind::Tiled, 32768, "B101"}));
    settings.put(Field::BackgroundPicture, "499");
    EXPECT_EQ(PlanTableBackground(settings, false, false).kind, BackgroundKind::Tiled);
    settings.put(Field::BackgroundPicture, "500");
    EXPECT_EQ(PlanTableBackground(settings, false, false), (BackgroundPlan{BackgroundKind::Whole, 24576, "B500"}));
    settings.put(Field::BackgroundPicture, "7");
    EXPECT_EQ(PlanTableBackground(settings, false, false).picture, "B007");
}

TEST_F(PlanTableBackgroundTest, AnEmptyOrUnreadablePictureNumberMeansAColour) {
    for (const char* picture : {"", "x", "-3"}) {
        settings.put(Field::BackgroundPicture, picture);
        EXPECT_EQ(PlanTableBackground(settings, false, false).kind, BackgroundKind::Faded) << picture;
    }
}

TEST_F(PlanTableBackgroundTest, TheHighContrastTableIsPlainDarkWhateverElseIsChosen) {
    settings.put(Field::TableHighContrast, "Y");
    const BackgroundPlan dark{BackgroundKind::Plain, kHighContrastBackgroundColour, {}};
    const struct {
        FieldSpec field;
        const char* value;
    } choices[] = {{Field::FadeBackground, "Y"}, {Field::BackgroundPicture, "257"},
                   {Field::BackgroundPicture, "500"}, {Field::BackgroundDefault, "Y"}};
    for (const auto& choice : choices) {
        settings.put(choice.field, choice.value);
        for (const bool demo : {false, true})
            for (const bool few : {false, true})
                EXPECT_EQ(PlanTableBackground(settings, demo, few), dark) << choice.field.position << demo << few;
    }
    settings.put(Field::TableHighContrast, "N");
    EXPECT_EQ(PlanTableBackground(settings, false, false).kind, BackgroundKind::Plain) << "the default green";
    EXPECT_NE(PlanTableBackground(settings, false, false), dark);
}

}  // namespace
}  // namespace dravicor
