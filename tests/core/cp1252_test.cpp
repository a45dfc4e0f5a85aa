#include <gtest/gtest.h>

#include "core/cp1252.h"

using namespace tolvane;

TEST(Cp1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsTheHighControlsToTheirTypographicCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x84\x93"), "„“");
    EXPECT_EQ(*Utf8ToCp1252("€ß"), "\x80\xDF");
}

TEST(Cp1252, RejectsWhatItCannotHold) {
    EXPECT_FALSE(Utf8ToCp1252("Ω").has_value());       // no Greek in Windows-1252
    EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value());    // cut-off sequence
    EXPECT_FALSE(Utf8ToCp1252("\xFF\xFE").has_value());  // not UTF-8 at all
    EXPECT_FALSE(Utf8ToCp1252("😀").has_value());
}
