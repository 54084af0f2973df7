// The about box: its title, the version, and its sound under the switches.
#include <gtest/gtest.h>

#include <tuple>

#include <QLabel>

#include "ui/about_box.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

int AboutSoundsOf(const FakePlatform& fake) {
    int count = 0;
    for (const auto& sound : fake.sounds) count += sound.file == "About.wav";
    return count;
}

TEST(AboutBox, ShowsTheProductsVersion) {
    ScratchProgram scratch;
    ASSERT_TRUE(scratch.start());
    TfrmAbout box(scratch.program);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Dravicor"));
    const QString version = box.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
    EXPECT_TRUE(version.startsWith(QStringLiteral("Dravicor version " DRAVICOR_TEST_VERSION))) << version.toStdString();
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("lblLegal"))->text().isEmpty());
}

TEST(AboutBox, PlaysItsSoundOnlyWhenBothSwitchesAreOn) {
    for (const auto& [about, all, plays] : {std::tuple{"Y", "Y", 1}, std::tuple{"N", "Y", 0}, std::tuple{"Y", "N", 0}}) {
        ScratchProgram scratch;
        WriteFile(scratch.dir / "DATA/CFG.DAT",
                  std::string("[Preference]\r\nSounds_About=") + about + "\r\nSounds_Enabled=" + all + "\r\n");
        ASSERT_TRUE(scratch.start());
        const int before = AboutSoundsOf(scratch.fake);
        TfrmAbout box(scratch.program);
        WhenShown(box, [&] { box.accept(); });
        box.run();
        EXPECT_EQ(AboutSoundsOf(scratch.fake) - before, plays) << about << all;
    }
}

}  // namespace
}  // namespace dravicor::test
