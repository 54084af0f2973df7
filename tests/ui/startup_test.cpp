// The pieces of the program's start: the start-up clock, the splash
// picture, the table cursors and the toolbar pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <QImage>

#include "ui/resource_library.h"
#include "ui/splash_picture.h"
#include "ui/startup_clock.h"
#include "ui/table_cursors.h"
#include "ui/toolbar_icons.h"

namespace dravicor::test {
namespace {

TEST(ProcessStartTicks, Field22OfTheStatLine) {
    // pid (comm) state ppid pgrp session tty tpgid flags minflt cminflt majflt
    // cmajflt utime stime cutime cstime priority nice threads itrealvalue starttime vsize ...
    const std::pair<std::string, std::optional<long long>> cases[] = {
        {"4242 (dravicor) S 1 4242 4242 0 -1 4194304 1500 0 0 0 12 3 0 0 20 0 4 0 987654 123456789 2000 rest", 987654},
        {"7 (a (b) c) R 1 7 7 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 31337 0 0", 31337},  // blanks and parentheses
        {"", std::nullopt},
        {"4242 dravicor S 1 2 3", std::nullopt},  // no command in parentheses
        {"1 (x) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0", std::nullopt},  // too short
        {"1 (x) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 12ab 0", std::nullopt},
        {"1 (x) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 -5 0", std::nullopt},
    };
    for (const auto& [line, ticks] : cases) EXPECT_EQ(ProcessStartTicks(line), ticks) << line;
}

TEST(ProcessStartTicks, ReadsThisProcesssOwnLine) {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) GTEST_SKIP() << "no /proc";
    EXPECT_TRUE(ProcessStartTicks(line).has_value()) << line;
}

TEST(StartupClockTest, ElapsedGrowsWithTheWallClock) {
    const StartupClock clock;
    const auto first = clock.elapsed();
    EXPECT_GE(first.count(), 0);
    EXPECT_LT(first, std::chrono::hours(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    const auto second = clock.elapsed();
    // The process's start is known to the 10 ms the system keeps it in; the
    // time since is measured finely.
    EXPECT_GE(second - first, std::chrono::milliseconds(40));
    EXPECT_LT(second - first, std::chrono::milliseconds(1000));
}

TEST(StartupClockTest, ReportsEachPhaseAndTheirSum) {
    StartupClock clock;
    clock.mark("first");
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    clock.mark("second");
    std::istringstream report(clock.report());
    std::vector<std::string> names;
    std::vector<long long> ms;
    for (std::string name; report >> name;) {
        names.push_back(name);
        ms.emplace_back();
        report >> ms.back();
    }
    ASSERT_EQ(names, (std::vector<std::string>{"process", "first", "second", "total"}));
    EXPECT_GE(ms[2], 30);
    EXPECT_EQ(ms[0] + ms[1] + ms[2], ms[3]);
}

TEST(SplashPicture, IsTheSplashWindowsSizeAndNotBlank) {
    const QImage picture = DrawSplashPicture().toImage();
    ASSERT_EQ(picture.size(), QSize(kSplashWidth, kSplashHeight));
    int felt = 0, cards = 0, title = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
            felt += r < 20 && g > 50 && b < 20;
            cards += r > 235 && g > 235 && b > 230;
            title += r > 230 && g > 200 && b < 150;  // the name in gold
        }
    }
    const int all = kSplashWidth * kSplashHeight;
    EXPECT_GT(felt, all / 2) << "mostly green table";
    EXPECT_GT(cards, all / 20) << "a fan of cards";
    EXPECT_GT(title, 500) << "the product's name";
}

TEST(TableCursorNumbers, TheChosenCursorIsTenToFourteenElseEleven) {
    // A stored 0 counts as 11; a dragging cursor (20) is not a choice.
    const std::pair<const char*, int> cases[] = {{"10", 10}, {"14", 14}, {"12 ", 12}, {"0", 11}, {"", 11},
                                                 {"9", 11},  {"15", 11}, {"20", 11},  {"1x", 11}};
    for (const auto& [stored, number] : cases) EXPECT_EQ(ChosenCursorNumber(stored), number) << stored;
}

TEST(TableCursorsTest, AllTenComeFromTheLibraryWithTheirHotSpots) {
    const auto library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
    ASSERT_NE(library, nullptr);
    const TableCursors cursors(library.get());
    for (int number : {10, 11, 12, 13, 14, 20, 21, 22, 23, 24}) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(cursors.fromLibrary(number));
        EXPECT_EQ(cursors.cursor(number).shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursors.cursor(number).pixmap().size(), QSize(32, 32));
    }
    EXPECT_EQ(cursors.cursor(12).hotSpot(), QPoint(10, 1)) << "the finger tip of the pointing hand";
    EXPECT_EQ(cursors.cursor(14).hotSpot(), QPoint(16, 16)) << "the middle of the cross";
    EXPECT_NE(cursors.cursor(11).pixmap().toImage(), cursors.cursor(21).pixmap().toImage())
        << "dragging shows a card beside the arrow";
    EXPECT_FALSE(cursors.fromLibrary(15));
    EXPECT_EQ(cursors.cursor(15).shape(), Qt::ArrowCursor);
}

TEST(TableCursorsTest, WithoutALibraryQtsOwnShapesStandIn) {
    const TableCursors cursors(nullptr);
    EXPECT_FALSE(cursors.fromLibrary(11));
    EXPECT_EQ(cursors.cursor(11).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursors.cursor(12).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(cursors.cursor(22).shape(), Qt::ClosedHandCursor);
    EXPECT_EQ(cursors.cursor(14).shape(), Qt::CrossCursor);
}

TEST(ToolbarIconTest, EveryButtonHasAPicture) {
    const auto library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
    ASSERT_NE(library, nullptr);
    std::set<QByteArray> different;
    for (const char* hint : {"New", "Open", "Save", "Undo", "Redo", "Autoplay", "Hint", "Statistics", "Rules", "Restart",
                             "Exit"}) {
        SCOPED_TRACE(hint);
        for (const ResourceLibrary* source : std::initializer_list<const ResourceLibrary*>{library.get(), nullptr}) {
            const QImage picture = ToolbarIcon(hint, source).pixmap(16, 16).toImage();
            ASSERT_FALSE(picture.isNull());
            int opaque = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) opaque += qAlpha(picture.pixel(x, y)) > 128;
            }
            EXPECT_GT(opaque, 10);
            EXPECT_LT(opaque, 16 * 16) << "the button's face shows around the picture";
            if (source != nullptr) {
                different.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
            }
        }
    }
    EXPECT_EQ(different.size(), 11u) << "no two buttons look the same";
    EXPECT_TRUE(ToolbarIcon("Print", library.get()).isNull());
}

}  // namespace
}  // namespace dravicor::test
