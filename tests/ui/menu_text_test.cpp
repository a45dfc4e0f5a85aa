#include "ui/menu_text.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(SplitMenuItemText, LabelAndShortcut) {
    auto parts = SplitMenuItemText("Tolvane beenden\tAlt+F4");
    EXPECT_EQ(parts.label, "Tolvane beenden");
    EXPECT_EQ(parts.shortcut, "Alt+F4");
    parts = SplitMenuItemText("Tolvane anzeigen");
    EXPECT_EQ(parts.label, "Tolvane anzeigen");
    EXPECT_EQ(parts.shortcut, "");
    parts = SplitMenuItemText("a\tb\tc");
    EXPECT_EQ(parts.label, "a");
    EXPECT_EQ(parts.shortcut, "b");
    parts = SplitMenuItemText("x\t");
    EXPECT_EQ(parts.shortcut, "");
}
