// The tip of the day: where it starts, paging, and what closing remembers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "shell/tips.h"
#include "ui/tips_window.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

TEST(TipsWindow, PagesAroundAndRemembersTheTipAndTheStartupChoice) {
    ScratchProgram scratch;
    WriteFile(scratch.dir / "DATA/CFG.DAT", "[Preference]\r\nTips_Num=18\r\n");
    ASSERT_TRUE(scratch.start());
    TfrmTips window(scratch.program);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tip of the Day"));
    const auto text = [&] { return window.findChild<QLabel*>(QStringLiteral("lblTip"))->text().toStdString(); };
    const auto page = [&] { return window.findChild<QLabel*>(QStringLiteral("lblPage"))->text().toStdString(); };
    const auto click = [&](const char* name) { window.findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
    WhenShown(window, [&] {
        EXPECT_EQ(page(), "19");
        EXPECT_EQ(text(), TipText(19));
        auto* startUp = window.findChild<QCheckBox*>(QStringLiteral("chkStartUp"));
        EXPECT_EQ(startUp->text(), QStringLiteral("Show tips at startup"));
        EXPECT_FALSE(startUp->isChecked());
        click("btnNext");
        EXPECT_EQ(page(), "01");
        EXPECT_EQ(text(), TipText(1));
        click("btnPrevious");
        click("btnPrevious");
        EXPECT_EQ(page(), "18");
        click("btnNext");
        click("btnNext");
        click("btnNext");
        EXPECT_EQ(page(), "02");
        startUp->click();
        click("btnClose");
    });
    window.run();
    EXPECT_EQ(window.shownTip(), 2);
    EXPECT_EQ(scratch.preference("Tips_Num"), "2");
    EXPECT_EQ(scratch.preference("Tips_StartUp"), "Y");

    // The next opening goes on from there, the box ticked.
    WhenShown(window, [&] {
        EXPECT_EQ(page(), "03");
        EXPECT_TRUE(window.findChild<QCheckBox*>(QStringLiteral("chkStartUp"))->isChecked());
        window.reject();
    });
    window.run();
    EXPECT_EQ(scratch.preference("Tips_Num"), "3");
}

}  // namespace
}  // namespace dravicor::test
