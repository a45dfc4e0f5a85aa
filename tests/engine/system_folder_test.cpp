#include "engine/system_folder.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(SysnativePath, TurnsOnlyTheSystemFolderIntoItsAlias) {
    EXPECT_EQ(SysnativePath("C:\\Windows\\System32\\tool.exe", "C:\\Windows"), "C:\\Windows\\Sysnative\\tool.exe");
    EXPECT_EQ(SysnativePath("c:\\WINDOWS\\system32\\drivers\\etc", "C:\\Windows"), "c:\\WINDOWS\\Sysnative\\drivers\\etc");
    EXPECT_EQ(SysnativePath("C:\\Windows\\System32", "C:\\Windows"), "C:\\Windows\\Sysnative");
    EXPECT_EQ(SysnativePath("C:\\Windows\\System32\\", "C:\\Windows"), "C:\\Windows\\Sysnative\\");
    EXPECT_EQ(SysnativePath("D:\\WinNT\\System32\\x.exe", "D:\\WinNT"), "D:\\WinNT\\Sysnative\\x.exe");
}

TEST(SysnativePath, LeavesEveryOtherPathAlone) {
    for (const char* path : {"C:\\Windows\\System32x\\tool.exe", "C:\\Windows\\SysWOW64\\tool.exe",
                             "C:\\Windows\\System\\tool.exe", "C:\\Tools\\Windows\\System32\\tool.exe",
                             "\"C:\\Windows\\System32\\tool.exe\"", "C:\\Windows", "", "notepad.exe",
                             "C:\\Windows\\Sysnative\\tool.exe"}) {
        EXPECT_EQ(SysnativePath(path, "C:\\Windows"), path) << path;
    }
    EXPECT_EQ(SysnativePath("C:\\Windows\\System32\\tool.exe", ""), "C:\\Windows\\System32\\tool.exe");
}
