// The arithmetic that turns the 96-DPI layouts into the display's pixels.
#include <gtest/gtest.h>

#include "ui/display_scale.h"

using namespace tolvane;

TEST(ScaleForDpi, LeavesEveryLengthAsDesignedAt96Dpi) {
    for (int value = -1000; value <= 5000; ++value) ASSERT_EQ(ScaleForDpi(value, 96), value) << value;
}

TEST(ScaleForDpi, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
    // 150 %: the edit dialog's 455 is 682.5 and becomes 683, as MulDiv gives.
    EXPECT_EQ(ScaleForDpi(500, 144), 750);
    EXPECT_EQ(ScaleForDpi(455, 144), 683);
    EXPECT_EQ(ScaleForDpi(25, 144), 38);
    EXPECT_EQ(ScaleForDpi(1, 144), 2);
    EXPECT_EQ(ScaleForDpi(-5, 144), -8);
    EXPECT_EQ(ScaleForDpi(-1, 144), -2);
    // 125 %: 12.5 up, 8.75 up, 11.25 down.
    EXPECT_EQ(ScaleForDpi(10, 120), 13);
    EXPECT_EQ(ScaleForDpi(7, 120), 9);
    EXPECT_EQ(ScaleForDpi(9, 120), 11);
    EXPECT_EQ(ScaleForDpi(16, 192), 32);
    EXPECT_EQ(ScaleForDpi(16, 72), 12);
}

TEST(ScaleForDpi, AnUnreadableDpiKeepsTheDesignAndLargeValuesDoNotOverflow) {
    EXPECT_EQ(ScaleForDpi(400, 0), 400);
    EXPECT_EQ(ScaleForDpi(400, -96), 400);
    // 30,000,000 × 192 does not fit 32 bits.
    EXPECT_EQ(ScaleForDpi(30'000'000, 192), 60'000'000);
    EXPECT_EQ(ScaleForDpi(-30'000'000, 144), -45'000'000);
}

TEST(FontHeightForDpi, IsMinusPointsTimesDpiOver72Rounded) {
    EXPECT_EQ(FontHeightForDpi(8, 96), -11);   // 10.67
    EXPECT_EQ(FontHeightForDpi(8, 144), -16);
    EXPECT_EQ(FontHeightForDpi(10, 96), -13);  // 13.33
    EXPECT_EQ(FontHeightForDpi(10, 144), -20);
    EXPECT_EQ(FontHeightForDpi(9, 120), -15);
    EXPECT_EQ(FontHeightForDpi(8, 0), -11);
}
