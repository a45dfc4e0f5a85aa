#include <gtest/gtest.h>

#include "core/command_line.h"

using namespace tolvane;

TEST(CommandLine, OnlyAnExactFirstArgumentSelectsSystemStartMode) {
    EXPECT_TRUE(IsSystemStartMode("Tolvane.exe -h"));
    EXPECT_TRUE(IsSystemStartMode("\"C:\\Program Files\\Tolvane\\Tolvane.exe\" -h"));
    EXPECT_TRUE(IsSystemStartMode("Tolvane.exe   \"-h\"   more"));
    EXPECT_FALSE(IsSystemStartMode("Tolvane.exe -H"));
    EXPECT_FALSE(IsSystemStartMode("Tolvane.exe x -h"));
    EXPECT_FALSE(IsSystemStartMode("Tolvane.exe -hx"));
    EXPECT_FALSE(IsSystemStartMode("Tolvane.exe"));
    EXPECT_FALSE(IsSystemStartMode(""));
    // The blank inside the quoted program path does not start an argument.
    EXPECT_FALSE(IsSystemStartMode("\"C:\\a -h\\Tolvane.exe\""));
}

TEST(CommandLine, FirstArgumentRemovesQuotes) {
    EXPECT_EQ(FirstArgument("prog \"a b\" c"), "a b");
    EXPECT_EQ(FirstArgument("prog\t-x"), "-x");
}
