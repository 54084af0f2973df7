#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "support/temp_dir.h"
#include "ui/message_pictures.h"
#include "ui/qt_platform.h"

namespace dravicor::test {
namespace {

QMessageBox* VisibleMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) return box;
    }
    return nullptr;
}

// Runs the action on the next message box once it is on screen; the action
// plays the user and must end the box. So that a failing test cannot hang,
// a box the action left open is closed after five seconds.
void WhenBoxShows(std::function<void(QMessageBox&)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, polls, action = std::move(action)] {
        QMessageBox* box = VisibleMessageBox();
        if (box == nullptr) {
            if (++*polls < 500) return;
            ADD_FAILURE() << "no message box was shown";
        } else {
            action(*box);
            QTimer::singleShot(5000, [left = QPointer<QMessageBox>(box)] {
                if (left.isNull() || !left->isVisible()) return;
                ADD_FAILURE() << "the message box was left open";
                left->done(0);
            });
        }
        poll->deleteLater();
    });
    poll->start();
}

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

TEST(QtPlatformMessages, MessageShowsCaptionTextIconAndOk) {
    QtPlatform platform;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::vector<QMessageBox::StandardButton> buttons;
    WhenBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = ButtonsOf(box);
        Click(box, QMessageBox::Ok);
    });
    platform.showMessage("Cannot write the file.", "Dravicor", MessageIcon::Error);
    EXPECT_EQ(title, QStringLiteral("Dravicor"));
    EXPECT_EQ(text, QStringLiteral("Cannot write the file."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, std::vector{QMessageBox::Ok});
}

TEST(QtPlatformMessages, TextIsReadAsUtf8) {
    QtPlatform platform;
    QString text;
    WhenBoxShows([&](QMessageBox& box) {
        text = box.text();
        Click(box, QMessageBox::Ok);
    });
    platform.showMessage("S\xC3\xAC", "Dravicor", MessageIcon::None);
    EXPECT_EQ(text, QStringLiteral(u"S\u00EC"));
}

TEST(QtPlatformMessages, IconsMapToQtIcons) {
    const std::pair<MessageIcon, QMessageBox::Icon> cases[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Error, QMessageBox::Critical},
        {MessageIcon::Question, QMessageBox::Question},
    };
    QtPlatform platform;
    for (const auto& [ours, expected] : cases) {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        WhenBoxShows([&](QMessageBox& box) {
            shown = box.icon();
            Click(box, QMessageBox::Ok);
        });
        platform.showMessage("text", "caption", ours);
        EXPECT_EQ(shown, expected) << "icon " << static_cast<int>(ours);
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

TEST(QtPlatformMessages, OptOutBoxReportsTheTickedCheckBox) {
    QtPlatform platform;
    QString title, checkText, text;
    QImage picture;
    WhenBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        picture = box.iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        if (box.checkBox() != nullptr) {
            checkText = box.checkBox()->text();
            box.checkBox()->setChecked(true);
        }
        Click(box, QMessageBox::Ok);
    });
    EXPECT_TRUE(platform.showMessageWithOptOut("Your screen shows few colours.", "Color"));
    EXPECT_EQ(title, QStringLiteral("Information"));
    EXPECT_EQ(text, QStringLiteral("Your screen shows few colours."));
    EXPECT_EQ(picture, OptOutPicture("Color").toImage().convertToFormat(QImage::Format_ARGB32))
        << "the picture stands where the information icon would";
    EXPECT_EQ(checkText, QStringLiteral("Don't show this message box again"));
}

TEST(QtPlatformMessages, OptOutBoxLeftUntickedReportsFalse) {
    QtPlatform platform;
    bool startedTicked = true;
    WhenBoxShows([&](QMessageBox& box) {
        startedTicked = box.checkBox() == nullptr || box.checkBox()->isChecked();
        Click(box, QMessageBox::Ok);
    });
    EXPECT_FALSE(platform.showMessageWithOptOut("Small screen.", "640x480"));
    EXPECT_FALSE(startedTicked);
}

TEST(QtPlatformMessages, OptOutBoxShowsItsPicture) {
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
    QImage shown;
    WhenBoxShows([&](QMessageBox& box) {
        shown = box.iconPixmap().toImage();
        Click(box, QMessageBox::Ok);
    });
    platform.showMessageWithOptOut("Small screen.", "640x480");
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), small.convertToFormat(QImage::Format_ARGB32));
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
        if (QMessageBox* box = VisibleMessageBox()) {
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
