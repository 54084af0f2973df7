// The customize dialog: what it shows on entry, Apply undone by Cancel, and
// what OK writes, driven through its controls; and the animated picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "shell/high_contrast.h"
#include "ui/bitmap_animated.h"
#include "ui/customize_dialog.h"
#include "ui/table_appearance.h"
#include "ui/table_background.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

constexpr QSize kSampleIconSize(160, 110);

class CustomizeDialogTest : public ::testing::Test {
protected:
    CustomizeDialogTest() { EXPECT_TRUE(scratch.start()); }

    TfrmCustomize& dialog() {
        if (!dialog_) {
            CustomizeLinks links;
            links.appearanceChanged = [this] { ++appearanceChanges; };
            dialog_ = std::make_unique<TfrmCustomize>(scratch.program, nullptr, std::move(links));
        }
        return *dialog_;
    }
    template <class T>
    T& child(const char* name) { return ChildOf<T>(dialog(), name); }
    void click(const char* name) { QTest::mouseClick(&child<QPushButton>(name), Qt::LeftButton); }
    void chooseBackground(const char* caption) {
        auto& tree = child<QTreeWidget>("trvBackgrounds");
        const auto found = tree.findItems(QString::fromLatin1(caption), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << caption;
        tree.setCurrentItem(found.front());
    }
    std::string configBytes() const { return ReadFile(scratch.dir / "DATA/CFG.DAT"); }
    SettingsRecord& settings() { return scratch.program.settings(); }

    ScratchProgram scratch;
    int appearanceChanges = 0;
    std::unique_ptr<TfrmCustomize> dialog_;
};

TEST_F(CustomizeDialogTest, ApplyThenCancelRestoresTheRecordAndWritesNothing) {
    const std::string fileBefore = configBytes();
    const SettingsRecord before = settings();
    WhenShown(dialog(), [this] {
        EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Customize"));
        chooseBackground("Meadow");
        child<QCheckBox>("chkHighContrast").setChecked(true);
        click("btnApply");
        EXPECT_EQ(settings().get(Field::BackgroundPicture), "324");
        EXPECT_TRUE(HighContrastTable(settings()));
        EXPECT_EQ(appearanceChanges, 1);
        EXPECT_TRUE(dialog().isVisible()) << "Apply keeps the dialog open";
        click("btnCancel");
    });
    EXPECT_FALSE(dialog().run());
    EXPECT_EQ(appearanceChanges, 2) << "Cancel rebuilds the pictures";
    for (const FieldEntry& entry : AllSettingsFields())
        EXPECT_EQ(settings().get(entry.field), before.get(entry.field)) << entry.field.position;
    EXPECT_EQ(configBytes(), fileBefore);
}

TEST_F(CustomizeDialogTest, TealFastAndASilentUndoAreWrittenByOK) {
    settings().put(Field::TableCursor, "0");
    WhenShown(dialog(), [this] {
        EXPECT_EQ(child<QListWidget>("lsbCursors").currentRow(), 1) << "a stored 0 is code 11";
        child<QCheckBox>("chkFade").setChecked(false);
        chooseBackground("Teal");
        EXPECT_FALSE(child<QPushButton>("btnSelectColor").isEnabled());
        EXPECT_TRUE(child<QCheckBox>("chkFade").isEnabled());
        EXPECT_EQ(child<QLabel>("lblBackgroundName").text(), QStringLiteral("Teal"));
        EXPECT_EQ(child<QLabel>("imgBackground").pixmap().toImage().pixelColor(5, 5), QColor(0, 128, 128));
        chooseBackground("Jute");
        EXPECT_FALSE(child<QCheckBox>("chkFade").isEnabled()) << "pictures are never faded";
        chooseBackground("Teal");
        child<QSlider>("trbSpeed").setValue(kFastestSpeedPosition);
        auto& events = child<QListWidget>("lsbEvents");
        EXPECT_FALSE(child<QPushButton>("btnDisable").isEnabled()) << "nothing selected";
        events.setCurrentRow(17);
        ASSERT_EQ(events.currentItem()->text(), QStringLiteral("Undo"));
        EXPECT_FALSE(child<QPushButton>("btnEnable").isEnabled()) << "Undo is on already";
        click("btnPlay");
        ASSERT_FALSE(scratch.fake.sounds.empty());
        EXPECT_EQ(scratch.fake.sounds.back().file, "Undo");
        click("btnDisable");
        EXPECT_TRUE(child<QPushButton>("btnEnable").isEnabled());
        click("btnOK");
    });
    // Which keys the choices are written under is the choices' business.
    EXPECT_TRUE(dialog().run());
    EXPECT_EQ(scratch.preference("Background_Fixed_Col"), "8421376");
    EXPECT_EQ(scratch.preference("Speed_Move_Card"), "0");
    EXPECT_EQ(scratch.preference("Sounds_Undo"), "N");
    EXPECT_EQ(scratch.preference("Cursor"), "11");
}

TEST_F(CustomizeDialogTest, SmallCardsAskAndCancelKeepsTheDialogOpen) {
    scratch.fake.answers.push_back(Answer::Cancel);
    const std::string fileBefore = configBytes();
    WhenShown(dialog(), [this, fileBefore] {
        QTest::mouseClick(&child<QToolButton>("imgFace003M"), Qt::LeftButton);
        click("btnOK");
        ASSERT_EQ(scratch.fake.questions.size(), 1u);
        EXPECT_EQ(scratch.fake.questions[0].text, kSmallCardQuestion);
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(configBytes(), fileBefore);
        click("btnOK");  // the script is empty now: OK
    });
    EXPECT_TRUE(dialog().run());
    EXPECT_EQ(scratch.preference("Card"), "003");
    EXPECT_EQ(scratch.preference("Card_Size"), "M");
    EXPECT_EQ(scratch.preference("Back_Card"), "6");
}

TEST_F(CustomizeDialogTest, DefaultBackgroundShowsTheCustomColourAndAllSoundsOffLocksTheList) {
    settings().put(Field::BackgroundDefault, "Y");
    settings().put(Field::SoundsEnabled, "N");
    WhenShown(dialog(), [this] {
        EXPECT_EQ(child<QTreeWidget>("trvBackgrounds").currentItem()->text(0), QStringLiteral("(Custom color)"));
        EXPECT_TRUE(child<QPushButton>("btnSelectColor").isEnabled());
        EXPECT_TRUE(child<QCheckBox>("chkNoSounds").isChecked());
        EXPECT_FALSE(child<QListWidget>("lsbEvents").isEnabled());
        child<QCheckBox>("chkNoSounds").setChecked(false);
        EXPECT_TRUE(child<QListWidget>("lsbEvents").isEnabled());
    });
    EXPECT_FALSE(dialog().run());
}

// The pixels of a picture whose blue outweighs red and green by far.
int BluePixels(const QPixmap& picture) {
    const QImage image = picture.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > 2 * std::max(c.red(), c.green()) + 40;
        }
    return count;
}

TEST_F(CustomizeDialogTest, FourColourFacesAndTheHighContrastTableReachTheTable) {
    std::filesystem::create_directory_symlink(kBuiltProgramDir / "Images", scratch.dir / "Images");
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    const auto table = TableAppearance::Load(settings(), ImageFolder(scratch.dir.path()), *library, scratch.fake, 24);
    ASSERT_NE(table, nullptr);
    const QColor dark = ColourOfRef(kHighContrastBackgroundColour, QPalette());
    const auto tableColour = [&] { return table->background(QSize(300, 200), false, false).toImage().pixelColor(150, 100); };
    EXPECT_NE(tableColour(), dark);
    EXPECT_EQ(BluePixels(table->cards().faces[13]), 0) << "the ace of diamonds of set 1 is red";

    CustomizeLinks links;
    links.appearanceChanged = [&] { table->reload(); };
    dialog_ = std::make_unique<TfrmCustomize>(scratch.program, library.get(), std::move(links));
    WhenShown(dialog(), [&] {
        QTest::mouseClick(&child<QToolButton>("imgFace007B"), Qt::LeftButton);
        child<QCheckBox>("chkHighContrast").setChecked(true);
        EXPECT_FALSE(child<QTreeWidget>("trvBackgrounds").isEnabled()) << "no background shows through";
        EXPECT_FALSE(child<QCheckBox>("chkFade").isEnabled());
        EXPECT_EQ(child<QLabel>("lblBackgroundName").text(), QStringLiteral("High-contrast table"));
        EXPECT_EQ(child<QLabel>("imgBackground").pixmap().toImage().pixelColor(5, 5), dark);
        EXPECT_GT(BluePixels(child<QToolButton>("imgFace007B").icon().pixmap(kSampleIconSize)), 0)
            << "the sample shows a blue diamond";
        click("btnOK");
    });
    EXPECT_TRUE(dialog().run());
    EXPECT_EQ(scratch.preference("Card"), "007");
    EXPECT_EQ(scratch.preference("Table_HighContrast"), "Y");
    EXPECT_EQ(table->choice().faceSet, "007");
    EXPECT_GT(BluePixels(table->cards().faces[13]), 20) << "the ace of diamonds is blue now";
    EXPECT_EQ(BluePixels(table->cards(2.0).faces[0]), 0) << "the ace of hearts stays red";
    EXPECT_EQ(tableColour(), dark);
    EXPECT_EQ(table->background(QSize(300, 200), true, false).toImage().pixelColor(10, 10), dark) << "demo mode too";
    EXPECT_TRUE(scratch.fake.messages.empty());
}

TEST(BitmapAnimatedTest, FramesWrapStepAndStop) {
    C_TBitmapAnimated control;
    EXPECT_EQ(control.size(), QSize(30, 30));
    EXPECT_TRUE(control.looping());
    QPixmap strip(40 * 4, 25);
    strip.fill(Qt::red);
    control.setBitMap(strip);
    EXPECT_EQ(control.height(), 25);
    control.setFrameCount(4);
    control.setFrame(-1);
    EXPECT_EQ(control.frame(), 3);
    control.setFrame(9);
    EXPECT_EQ(control.frame(), 1);
    control.setFrame(3);
    control.step();
    EXPECT_EQ(control.frame(), 0) << "looping wraps";
    control.setReverse(true);
    control.step();
    EXPECT_EQ(control.frame(), 3);

    control.setLooping(false);
    control.setReverse(false);
    control.setInterval(10);
    control.setFrame(2);
    control.setPlay(true);
    control.step();
    EXPECT_EQ(control.frame(), 3);
    EXPECT_FALSE(control.play()) << "the last frame ends a single run";
    control.setBitMap(QPixmap());
    EXPECT_EQ(control.height(), 30);
}

}  // namespace
}  // namespace dravicor::test
