#include <gtest/gtest.h>

#include <filesystem>

#include "built_files.h"
#include "support/temp_dir.h"
#include "ui/resource_library.h"

namespace dravicor::test {
namespace {

TEST(ResourceLibrary, TheBuiltLibraryGivesNamedBitmapsAndCursorsMatchedExactly) {
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->LoadNamedBitmap("WB010").size(), QSize(71, 96));
    EXPECT_EQ(library->LoadNamedBitmap("WP010").size(), QSize(25, 32));
    EXPECT_FALSE(library->LoadNamedBitmap("Panel_pk").isNull());
    EXPECT_FALSE(library->LoadNamedBitmap("card_hearts").isNull());
    for (const char* missing : {"CARD_HEARTS", "NO_SUCH_PICTURE", ""})
        EXPECT_TRUE(library->LoadNamedBitmap(missing).isNull()) << missing;
    // The table cursors' tests look at the hot spots.
    EXPECT_FALSE(library->LoadNamedCursor("CUR_NONE").has_value());
}

TEST(ResourceLibrary, PicturesGoWithTheLibrary) {
    {
        const auto library = ResourceLibrary::Open(kBuiltProgramDir);
        ASSERT_NE(library, nullptr);
    }
    EXPECT_TRUE(QPixmap(QStringLiteral(":/kvr/WB010")).isNull());
}

TEST(ResourceLibrary, AMissingFileOrOneThatIsNoLibraryIsNotOpened) {
    TempDir dir;
    EXPECT_EQ(ResourceLibrary::Open(dir.path()), nullptr);
    WriteFile(dir / "KVR.RGF", "MZ this is not a resource library");
    EXPECT_EQ(ResourceLibrary::Open(dir.path()), nullptr);
}

TEST(ResourceLibrary, TheFailureNamesThePathInLowerCase) {
    EXPECT_EQ(ResourceLibrary::LoadFailureMessage("/Opt/Dravicor/"), "Can't find/load /opt/dravicor/kvr.rgf");
}

}  // namespace
}  // namespace dravicor::test
