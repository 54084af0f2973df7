#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "support/temp_dir.h"
#include "ui/message_pictures.h"
#include "ui/qt_platform.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

void WhenBoxShows(std::function<void(QMessageBox&)> action) { WhenDialogShows<QMessageBox>(std::move(action)); }

std::vector<QMessageBox::StandardButton> ButtonsOf(const QMessageBox& box) {
    std::vector<QMessageBox::StandardButton> buttons;
    for (QAbstractButton* button : box.buttons()) buttons.push_back(box.standardButton(button));
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}

void Click(QMessageBox& box, QMessageBox::StandardButton which) {
    QAbstractButton* button = box.button(which);
    if (button == nullptr) {
        ADD_FAILURE() << "the box has no button " << which;
        box.done(0);
        return;
    }
    button->click();
}

// The text is read as UTF-8; each icon of ours is Qt's own.
TEST(QtPlatformMessages, MessagesShowCaptionTextIconAndOk) {
    const std::pair<MessageIcon, QMessageBox::Icon> cases[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Error, QMessageBox::Critical},
        {MessageIcon::Question, QMessageBox::Question},
    };
    QtPlatform platform;
    for (const auto& [ours, expected] : cases) {
        QString title, text;
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        std::vector<QMessageBox::StandardButton> buttons;
        WhenBoxShows([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            shown = box.icon();
            buttons = ButtonsOf(box);
            Click(box, QMessageBox::Ok);
        });
        platform.showMessage("Cannot write the file S\xC3\xAC.", "Dravicor", ours);
        EXPECT_EQ(shown, expected) << "icon " << static_cast<int>(ours);
        EXPECT_EQ(title, QStringLiteral("Dravicor"));
        EXPECT_EQ(text, QStringLiteral(u"Cannot write the file S\u00EC."));
        EXPECT_EQ(buttons, std::vector{QMessageBox::Ok});
    }
}

struct AskCase {
    MessageButtons buttons;
    std::vector<QMessageBox::StandardButton> shown;
    QMessageBox::StandardButton clicked;
    Answer answer;
};

TEST(QtPlatformMessages, QuestionsOfferTheirButtonsAndReturnTheClickedOne) {
    const AskCase cases[] = {
        {MessageButtons::Ok, {QMessageBox::Ok}, QMessageBox::Ok, Answer::Ok},
        {MessageButtons::OkCancel, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Cancel, Answer::Cancel},
        {MessageButtons::OkCancel, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok, Answer::Ok},
        {MessageButtons::YesNo, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No, Answer::No},
        {MessageButtons::YesNo, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, Answer::Yes},
        {MessageButtons::YesNoCancel,
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
         QMessageBox::Cancel,
         Answer::Cancel},
    };
    QtPlatform platform;
    for (const AskCase& c : cases) {
        std::vector<QMessageBox::StandardButton> buttons;
        QString title;
        WhenBoxShows([&](QMessageBox& box) {
            buttons = ButtonsOf(box);
            title = box.windowTitle();
            Click(box, c.clicked);
        });
        const Answer answer = platform.ask("Quit this game?", "Confirm", c.buttons, MessageIcon::Question);
        std::vector<QMessageBox::StandardButton> expected = c.shown;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(buttons, expected) << "buttons " << static_cast<int>(c.buttons);
        EXPECT_EQ(answer, c.answer) << "buttons " << static_cast<int>(c.buttons) << ", clicked " << c.clicked;
        EXPECT_EQ(title, QStringLiteral("Confirm"));
    }
}

TEST(QtPlatformMessages, EscapeGivesTheCautiousAnswer) {
    QtPlatform platform;
    WhenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(platform.ask("Replace?", "Confirm", MessageButtons::YesNo, MessageIcon::Question), Answer::No);
    WhenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(platform.ask("Go on?", "Confirm", MessageButtons::OkCancel, MessageIcon::None), Answer::Cancel);
}

// The box starts unticked and reports the tick; its picture stands where the
// information icon would.
TEST(QtPlatformMessages, OptOutBoxReportsTheTickedCheckBoxAndShowsItsPicture) {
    const QImage colour = OptOutPicture("Color").toImage();
    const QImage small = OptOutPicture("640x480").toImage();
    ASSERT_FALSE(colour.isNull());
    ASSERT_FALSE(small.isNull());
    EXPECT_NE(colour, small);
    EXPECT_TRUE(OptOutPicture("Other").isNull());
    // The colour picture runs through the hues.
    std::set<QRgb> hues;
    for (int x = 8; x < 40; ++x) hues.insert(colour.pixel(x, 20));
    EXPECT_GT(hues.size(), 16u);

    QtPlatform platform;
    for (const auto& [picture, tick] : {std::pair{"Color", true}, std::pair{"640x480", false}}) {
        QString title, checkText, text;
        QImage shown;
        bool startedTicked = true;
        WhenBoxShows([&, tick = tick](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            shown = box.iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            if (box.checkBox() != nullptr) {
                startedTicked = box.checkBox()->isChecked();
                checkText = box.checkBox()->text();
                box.checkBox()->setChecked(tick);
            }
            Click(box, QMessageBox::Ok);
        });
        EXPECT_EQ(platform.showMessageWithOptOut("Your screen shows few colours.", picture), tick) << picture;
        EXPECT_FALSE(startedTicked) << picture;
        EXPECT_EQ(title, QStringLiteral("Information"));
        EXPECT_EQ(text, QStringLiteral("Your screen shows few colours."));
        EXPECT_EQ(shown, OptOutPicture(picture).toImage().convertToFormat(QImage::Format_ARGB32)) << picture;
        EXPECT_EQ(checkText, QStringLiteral("Don't show this message box again"));
    }
}

// The whole round: the box ticked once is never shown again.
TEST(QtPlatformMessages, MessageOnceTickedStaysAway) {
    TempDir dir;
    QtPlatform qt;
    Platform platform = qt.platform();
    const ProfileFile config(dir / "CFG.DAT");
    WhenBoxShows([](QMessageBox& box) {
        box.checkBox()->setChecked(true);
        Click(box, QMessageBox::Ok);
    });
    ShowMessageOnce(config, platform, "Few colours.", "Screen_Under_256_Colors", "Color");
    EXPECT_EQ(config.ReadString(kShowMessagesSection, "Screen_Under_256_Colors", ""), "N");

    bool shownAgain = false;
    QTimer::singleShot(300, [&] {
        if (QMessageBox* box = VisibleWindow<QMessageBox>()) {
            shownAgain = true;
            box->done(0);
        }
    });
    ShowMessageOnce(config, platform, "Few colours.", "Screen_Under_256_Colors", "Color");
    QTest::qWait(400);
    EXPECT_FALSE(shownAgain);
}

}  // namespace
}  // namespace dravicor::test
