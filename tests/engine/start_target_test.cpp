// Which way a target is started next, what a failed shell start reports, and
// which paths can be started at all.
#include <gtest/gtest.h>

#include "engine/start_target.h"

using namespace tolvane;

TEST(StartWays, AProgramAskingForAdministratorRightsGoesToTheShellsConsent) {
    EXPECT_EQ(NextWay(StartWay::Process, kErrorElevationRequired), StartWay::ElevatedShell);
    EXPECT_EQ(NextWay(StartWay::Process, 193), StartWay::Shell) << "a document";
    EXPECT_EQ(NextWay(StartWay::Process, 5), StartWay::Shell);
    EXPECT_EQ(NextWay(StartWay::Process, 2), StartWay::Shell);
    for (const StartWay shell : {StartWay::Shell, StartWay::ElevatedShell}) {
        EXPECT_EQ(NextWay(shell, 1155), StartWay::GiveUp);
        EXPECT_EQ(NextWay(shell, kErrorElevationRequired), StartWay::GiveUp) << "no second consent";
    }
}

TEST(StartWays, AFailedShellStartReportsTheShellsOwnResult) {
    const struct {
        std::uint32_t lastError;
        std::intptr_t resultCode;
        std::uint32_t reported;
    } cases[] = {
        {0, 31, 1155},     // no association: not the 193 of the try before
        {0, 27, 1155},     // association incomplete
        {0, 2, 2},         {0, 3, 3}, {0, 5, 5}, {0, 8, 8}, {0, 11, 11},
        {0, 26, 32},       // sharing violation
        {0, 28, 1156},     {0, 29, 1156}, {0, 30, 1156},
        {0, 32, 1157},     // a library not found
        {0, 0, 14},        // out of memory
        {193, 31, 1155},   // what the try as a program left behind loses
        {1155, 31, 1155},
        {1223, 33, 1223},  // no failure code: the thread's error, e.g. consent refused
        {1223, 17, 1223},
        {0, 33, 31},       // nothing at all: still a failure
        {0, 17, 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellStartError(c.lastError, c.resultCode), c.reported) << c.lastError << "/" << c.resultCode;
}

TEST(StartWays, OnlyPathsShorterThanMaxPathCanBeStarted) {
    const std::string folder = "C:\\" + std::string(240, 'a') + "\\";
    EXPECT_TRUE(FitsStartPath(folder + std::string(259 - folder.size(), 'x')));
    EXPECT_FALSE(FitsStartPath(folder + std::string(260 - folder.size(), 'x')));
    EXPECT_FALSE(FitsStartPath("C:\\" + std::string(297, 'x')));
    EXPECT_TRUE(FitsStartPath("C:\\x.exe"));
}
