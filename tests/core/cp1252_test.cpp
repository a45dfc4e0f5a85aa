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

TEST(Cp1252, RejectsOverlongForms) {
    EXPECT_FALSE(Utf8ToCp1252("\xC1\x81").has_value());          // "A" in two bytes
    EXPECT_FALSE(Utf8ToCp1252("\xC0\x80").has_value());          // NUL in two bytes
    EXPECT_FALSE(Utf8ToCp1252("\xE0\x81\x81").has_value());      // "A" in three
    EXPECT_FALSE(Utf8ToCp1252("\xE0\x83\xBF").has_value());      // "ÿ" in three
    EXPECT_FALSE(Utf8ToCp1252("\xF0\x82\x82\xAC").has_value());  // "€" in four
    EXPECT_EQ(Utf8ToCp1252("A\xC3\xBF\xE2\x82\xAC"), "A\xFF\x80") << "the shortest forms of the same";
}
