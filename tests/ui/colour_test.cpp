#include <gtest/gtest.h>

#include "ui/colour.h"

namespace dravicor::test {
namespace {

void ExpectRgb(const QColor& colour, int red, int green, int blue) {
    EXPECT_EQ(colour.red(), red);
    EXPECT_EQ(colour.green(), green);
    EXPECT_EQ(colour.blue(), blue);
    EXPECT_EQ(colour.alpha(), 255);
}

TEST(Colour, LowByteIsRed) { ExpectRgb(ColourFromRef(255), 255, 0, 0); }

TEST(Colour, SecondByteIsGreen) { ExpectRgb(ColourFromRef(32768), 0, 128, 0); }

TEST(Colour, ThirdByteIsBlue) { ExpectRgb(ColourFromRef(0xFF0000), 0, 0, 255); }

TEST(Colour, BytesDoNotMix) { ExpectRgb(ColourFromRef(0x00C08040), 0x40, 0x80, 0xC0); }

TEST(Colour, DefaultTableIsDarkGreen) { ExpectRgb(ColourFromRef(kDefaultTableColour), 0, 96, 0); }

}  // namespace
}  // namespace dravicor::test
