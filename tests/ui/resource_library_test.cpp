#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "ui/resource_library.h"

namespace dravicor::test {
namespace {

// The library the build drew, in the build's program directory.
const std::filesystem::path kBuiltProgramDir = DRAVICOR_BUILT_PROGRAM_DIR;

TEST(ResourceLibrary, TheBuiltLibraryGivesNamedBitmaps) {
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    const QPixmap marker = library->LoadNamedBitmap("WB010");
    ASSERT_FALSE(marker.isNull());
    EXPECT_EQ(marker.size(), QSize(71, 96));
    EXPECT_EQ(library->LoadNamedBitmap("WP010").size(), QSize(25, 32));
    EXPECT_FALSE(library->LoadNamedBitmap("Panel_pk").isNull());
}

TEST(ResourceLibrary, NamesAreMatchedExactly) {
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    EXPECT_FALSE(library->LoadNamedBitmap("card_hearts").isNull());
    EXPECT_TRUE(library->LoadNamedBitmap("CARD_HEARTS").isNull());
    EXPECT_TRUE(library->LoadNamedBitmap("NO_SUCH_PICTURE").isNull());
    EXPECT_TRUE(library->LoadNamedBitmap("").isNull());
}

TEST(ResourceLibrary, CursorsKeepTheirHotSpots) {
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    const auto arrow = library->LoadNamedCursor("CUR_ARROW1A");
    ASSERT_TRUE(arrow.has_value());
    EXPECT_EQ(arrow->hotSpot(), QPoint(1, 1));
    const auto cross = library->LoadNamedCursor("CUR_CROSS1B");
    ASSERT_TRUE(cross.has_value());
    EXPECT_EQ(cross->hotSpot(), QPoint(16, 16));
    EXPECT_FALSE(library->LoadNamedCursor("CUR_NONE").has_value());
}

TEST(ResourceLibrary, PicturesGoWithTheLibrary) {
    {
        const auto library = ResourceLibrary::Open(kBuiltProgramDir);
        ASSERT_NE(library, nullptr);
    }
    EXPECT_TRUE(QPixmap(QStringLiteral(":/kvr/WB010")).isNull());
}

TEST(ResourceLibrary, AMissingLibraryIsNotOpened) {
    TempDir dir;
    EXPECT_EQ(ResourceLibrary::Open(dir.path()), nullptr);
}

TEST(ResourceLibrary, AFileThatIsNoLibraryIsNotOpened) {
    TempDir dir;
    WriteFile(dir / "KVR.RGF", "MZ this is not a resource library");
    EXPECT_EQ(ResourceLibrary::Open(dir.path()), nullptr);
}

TEST(ResourceLibrary, TheFailureNamesThePathInLowerCase) {
    EXPECT_EQ(ResourceLibrary::LoadFailureMessage("/Opt/Dravicor/"), "Can't find/load /opt/dravicor/kvr.rgf");
}

}  // namespace
}  // namespace dravicor::test
