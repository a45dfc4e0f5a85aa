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

// The wide command line arrives as UTF-8: characters that the code page maps
// best-fit to "-h" stay what they are.
TEST(CommandLine, LookAlikesOfTheLogonSwitchAreNotIt) {
    for (const char* line : {"Tolvane.exe -\xC4\xA5",          // -ĥ
                             "Tolvane.exe -\xC4\xA7",          // -ħ
                             "Tolvane.exe \xE2\x80\x90h",      // ‐h (hyphen)
                             "Tolvane.exe \xE2\x88\x92h",      // −h (minus)
                             "Tolvane.exe \xEF\xBC\x8Dh",      // －h (full width)
                             "Tolvane.exe -h\xCC\x82"}) {      // -h and a combining circumflex
        EXPECT_FALSE(IsSystemStartMode(line)) << line;
        EXPECT_NE(FirstArgument(line), "") << line;
    }
}

struct Split {
    const char* line;
    const char* first;
};

// Windows' own splitting of the arguments after the program path.
TEST(CommandLine, FirstArgumentIsSplitAsWindowsSplitsIt) {
    const Split cases[] = {
        {"prog \"a b\" c", "a b"},
        {"prog\t-x", "-x"},
        {"prog a\\\"b", "a\"b"},               // \" is a quote
        {"prog a\\\\\"b c\"", "a\\b c"},       // \\" is a backslash, the quote groups
        {"prog a\\\\\\\"b", "a\\\"b"},         // \\\" is a backslash and a quote
        {"prog a\\b\\\\c", "a\\b\\\\c"},       // backslashes before no quote stay
        {"prog C:\\dir\\ x", "C:\\dir\\"},     // a trailing backslash stays
        {"prog \"a\"\"b\" c", "a\"b"},         // "" inside quotes is one quote
        {"prog \"-h\\\"", "-h\""},             // an escaped quote does not close
        {"prog \"a b", "a b"},                 // an unclosed quote runs to the end
        {"prog \"\" -h", ""},                  // an empty argument is one
        // The program path knows no escapes: its quote ends at the next quote.
        {"\"C:\\x\\\" -h", "-h"},
        {"a\"b c\"d -h", "cd -h"},
    };
    for (const Split& split : cases) EXPECT_EQ(FirstArgument(split.line), split.first) << split.line;
}
