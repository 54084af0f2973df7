#include "shell/appearance.h"

#include <gtest/gtest.h>

#include <map>

#include "common/settings_record.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::TempDir;
using test::WriteFile;

constexpr ColourRef Rgb(int red, int green, int blue) {
    return static_cast<ColourRef>(red | (green << 8) | (blue << 16));
}

TEST(FixedBackgroundColours, AreBlueGreenNavyOliveTealWhite) {
    const std::array<ColourRef, 6> expected = {Rgb(0, 0, 255),   Rgb(0, 128, 0),   Rgb(0, 0, 128),
                                               Rgb(128, 128, 0), Rgb(0, 128, 128), Rgb(255, 255, 255)};
    EXPECT_EQ(kFixedBackgroundColours, expected);
    EXPECT_EQ(kFixedBackgroundColours[4], 8421376u);
}

TEST(ListInstalledPictures, CountsWhatARandomChoiceMayName) {
    TempDir dir;
    for (const char* name : {"B101.bmp", "B105.bmp", "B257.bmp", "B600.bmp", "B256.bmp",
                             // Not background pictures: the colour keys, other widths,
                             // double-size variants, other letter case or extension.
                             "B000.bmp", "B001.bmp", "B25.bmp", "B2570.bmp", "B258@2x.bmp", "b259.bmp", "B260.png",
                             // Set 001 complete, 002 lacks spades, 003 complete after the gap.
                             "CB001H.bmp", "CB001D.bmp", "CB001C.bmp", "CB001S.bmp", "CB002H.bmp", "CB002D.bmp",
                             "CB002C.bmp", "CB003H.bmp", "CB003D.bmp", "CB003C.bmp", "CB003S.bmp",
                             // Backs 001-002, then a gap; medium backs do not count.
                             "DB001.bmp", "DB002.bmp", "DB004.bmp", "DM003.bmp", "DB001@2x.bmp", "Y001.bmp"})
        WriteFile(dir / "Images" / name, "BM");
    std::filesystem::create_directories(dir / "Images" / "B300.bmp");  // a folder is no picture

    const InstalledPictures installed = ListInstalledPictures(dir / "Images");
    EXPECT_EQ(installed.backgrounds, (std::vector<int>{101, 105, 256, 257, 600}));
    EXPECT_EQ(installed.backgroundsFor(true), (std::vector<int>{101, 105, 256}));
    EXPECT_EQ(installed.backgroundsFor(false), installed.backgrounds);
    EXPECT_EQ(installed.faceSets, 1);
    EXPECT_EQ(installed.backs, 2);

    const InstalledPictures none = ListInstalledPictures(dir / "No such folder");
    EXPECT_TRUE(none.backgrounds.empty());
    EXPECT_EQ(none.faceSets, 0);
    EXPECT_EQ(none.backs, 0);
}

class RandomizeAppearanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.put(Field::CardSize, "B");
        settings.put(Field::CardSet, "001");
        settings.put(Field::CardBack, "011");
        settings.put(Field::BackgroundDefault, "Y");
        settings.put(Field::BackgroundColour, "3302600");
        settings.put(Field::BackgroundPicture, "0");
        settings.put(Field::BackgroundFixedColour, "32768");
        for (FieldSpec flag : {Field::RandomBackground, Field::RandomCard, Field::RandomDeck}) settings.put(flag, "N");
        installed.backgrounds = {101, 105, 257, 600};
        installed.faceSets = 5;
        installed.backs = 27;
    }

    // What the record shows as the background: a picture number or a colour.
    std::string Background() const {
        const std::string picture = settings.get(Field::BackgroundPicture);
        const std::string fixed = settings.get(Field::BackgroundFixedColour);
        EXPECT_EQ(settings.get(Field::BackgroundDefault), "N");
        EXPECT_TRUE((picture == "0") != (fixed == "0")) << picture << " " << fixed;
        return picture != "0" ? "B" + picture : "colour " + fixed;
    }

    SettingsRecord settings;
    InstalledPictures installed;
    std::mt19937_64 random{20240611};
};

TEST_F(RandomizeAppearanceTest, NothingChangesWithoutTheRandomPreferences) {
    const SettingsRecord before = settings;
    const std::mt19937_64 untouched = random;
    EXPECT_EQ(RandomizeAppearance(settings, installed, false, random), AppearanceChange{});
    for (FieldSpec field : {Field::CardSet, Field::CardBack, Field::BackgroundDefault, Field::BackgroundPicture,
                            Field::BackgroundFixedColour, Field::BackgroundColour})
        EXPECT_EQ(settings.get(field), before.get(field));
    EXPECT_EQ(random, untouched);
}

TEST_F(RandomizeAppearanceTest, EveryPictureAndFixedColourComesUpEvenly) {
    settings.put(Field::RandomBackground, "Y");
    std::map<std::string, int> seen;
    constexpr int kDraws = 5000;
    for (int i = 0; i < kDraws; ++i) {
        const AppearanceChange change = RandomizeAppearance(settings, installed, false, random);
        EXPECT_FALSE(change.faces || change.back);
        ++seen[Background()];
    }
    std::map<std::string, int> expected;
    for (const char* picture : {"B101", "B105", "B257", "B600"}) expected[picture] = 0;
    for (ColourRef colour : kFixedBackgroundColours) expected["colour " + std::to_string(colour)] = 0;
    ASSERT_EQ(seen.size(), expected.size());
    for (const auto& [outcome, count] : seen) {
        EXPECT_TRUE(expected.contains(outcome)) << outcome;
        // 10 outcomes of 500 expected draws each; 6 standard deviations is 127.
        EXPECT_NEAR(count, kDraws / 10, 127) << outcome;
    }
    // The custom colour is the user's and stays.
    EXPECT_EQ(settings.get(Field::BackgroundColour), "3302600");
}

TEST_F(RandomizeAppearanceTest, FewColoursDrawOnlyTheLowColourPictures) {
    settings.put(Field::RandomBackground, "Y");
    std::map<std::string, int> seen;
    for (int i = 0; i < 2000; ++i) {
        RandomizeAppearance(settings, installed, true, random);
        ++seen[Background()];
    }
    EXPECT_EQ(seen.size(), 8u);  // two pictures and six colours
    EXPECT_TRUE(seen.contains("B101") && seen.contains("B105"));
    EXPECT_FALSE(seen.contains("B257") || seen.contains("B600"));
}

TEST_F(RandomizeAppearanceTest, ABackgroundCountsAsChangedOnlyWhenTheRecordDiffers) {
    settings.put(Field::RandomBackground, "Y");
    // Leaving the default background is a change whatever is drawn.
    EXPECT_TRUE(RandomizeAppearance(settings, installed, false, random).background);
    int same = 0, changed = 0;
    for (int i = 0; i < 500; ++i) {
        const std::string before = Background();
        const bool reported = RandomizeAppearance(settings, installed, false, random).background;
        EXPECT_EQ(reported, Background() != before);
        ++(reported ? changed : same);
    }
    EXPECT_GT(same, 0);
    EXPECT_GT(changed, 0);
}

TEST_F(RandomizeAppearanceTest, FacesAndBacksAreDrawnFromOneToTheInstalledCount) {
    settings.put(Field::RandomCard, "Y");
    settings.put(Field::RandomDeck, "Y");
    std::map<std::string, int> sets, backs;
    for (int i = 0; i < 3000; ++i) {
        const std::string set = settings.get(Field::CardSet), back = settings.get(Field::CardBack);
        const AppearanceChange change = RandomizeAppearance(settings, installed, false, random);
        EXPECT_FALSE(change.background);
        EXPECT_EQ(change.faces, settings.get(Field::CardSet) != set);
        EXPECT_EQ(change.back, settings.get(Field::CardBack) != back);
        ++sets[settings.get(Field::CardSet)];
        ++backs[settings.get(Field::CardBack)];
    }
    EXPECT_EQ(sets.size(), 5u);
    EXPECT_EQ(sets.begin()->first, "001");
    EXPECT_EQ(sets.rbegin()->first, "005");
    EXPECT_EQ(backs.size(), 27u);
    EXPECT_EQ(backs.begin()->first, "001");
    EXPECT_EQ(backs.rbegin()->first, "027");
    EXPECT_EQ(settings.get(Field::BackgroundDefault), "Y");
}

TEST_F(RandomizeAppearanceTest, MediumCardsKeepTheirPredesignatedFacesAndBack) {
    settings.put(Field::CardSize, "M");
    settings.put(Field::CardSet, "003");
    settings.put(Field::CardBack, "006");
    settings.put(Field::RandomCard, "Y");
    settings.put(Field::RandomDeck, "Y");
    const std::mt19937_64 untouched = random;
    for (int i = 0; i < 50; ++i) EXPECT_EQ(RandomizeAppearance(settings, installed, false, random), AppearanceChange{});
    EXPECT_EQ(settings.get(Field::CardSet), "003");
    EXPECT_EQ(settings.get(Field::CardBack), "006");
    EXPECT_EQ(random, untouched);
    // The background still changes with medium cards.
    settings.put(Field::RandomBackground, "Y");
    EXPECT_TRUE(RandomizeAppearance(settings, installed, false, random).background);
    EXPECT_EQ(settings.get(Field::CardSet), "003");
}

TEST_F(RandomizeAppearanceTest, AnInstallationWithoutCardsLeavesThemAlone) {
    settings.put(Field::RandomCard, "Y");
    settings.put(Field::RandomDeck, "Y");
    installed.faceSets = 0;
    installed.backs = 0;
    EXPECT_EQ(RandomizeAppearance(settings, installed, false, random), AppearanceChange{});
    EXPECT_EQ(settings.get(Field::CardSet), "001");
    EXPECT_EQ(settings.get(Field::CardBack), "011");
}

}  // namespace
}  // namespace dravicor
