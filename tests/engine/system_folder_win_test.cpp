// The system folder as the user sees it. Run in a 32-bit prefix, where
// nothing is redirected, and in a 64-bit one (TOLVANE_EXPECT_WOW64=1), where
// this 32-bit program is redirected like on 64-bit Windows and the test
// script has put a 64-bit helper only into the 64-bit system folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "core/precondition_text.h"
#include "engine/path_probe.h"
#include "engine/precondition_eval.h"
#include "engine/start_target_win.h"
#include "engine/system_folder_win.h"
#include "engine/system_measures_win.h"
#include "helper_processes_win.h"
#include "start_engine_win.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

constexpr char kHelper64Name[] = "tolvane_marker_helper64.exe";

bool ExpectRedirection() {
    const char* expect = std::getenv("TOLVANE_EXPECT_WOW64");
    return expect && std::string(expect) == "1";
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder, length);
}

bool Redirected() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

TEST(SystemFolder, PathsOutsideTheSystemFolderAreLeftAlone) {
    EXPECT_EQ(PathAsTheUserSeesIt("C:\\Tools\\System32\\x.exe"), "C:\\Tools\\System32\\x.exe");
    EXPECT_EQ(PathAsTheUserSeesIt(WindowsFolder() + "\\SysWOW64\\x.exe"), WindowsFolder() + "\\SysWOW64\\x.exe");
    EXPECT_EQ(PathAsTheUserSeesIt(""), "");
}

TEST(SystemFolder, OnThirtyTwoBitWindowsNothingIsRedirected) {
    if (ExpectRedirection()) GTEST_SKIP() << "this prefix is 64-bit";
    EXPECT_FALSE(Redirected());
    const std::string notepad = WindowsFolder() + "\\System32\\notepad.exe";
    EXPECT_EQ(PathAsTheUserSeesIt(notepad), notepad);
    EXPECT_EQ(ProbePath(notepad), PathKind::File);
}

class SixtyFourBitSystemFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (!ExpectRedirection()) GTEST_SKIP() << "only in a 64-bit prefix";
        ASSERT_TRUE(Redirected()) << "a 32-bit program in a 64-bit prefix runs under WOW64";
        helper = WindowsFolder() + "\\system32\\" + kHelper64Name;
        // The redirection this is about: a plain call does not see the file.
        ASSERT_EQ(::GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES)
            << "the helper must be only in the 64-bit system folder";
        marker = scratch.path() + "\\marker.txt";
        UseMarkerFile(marker);
    }
    void TearDown() override {
        for (DWORD pid : Helper64Processes()) {
            UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, pid));
            if (process) ::TerminateProcess(process.get(), 0);
        }
    }
    // Ids of the 64-bit helpers running now, from their marker lines.
    std::vector<DWORD> Helper64Processes() {
        std::vector<DWORD> ids;
        for (const MarkerLine& line : ReadMarkers(marker))
            if (line.module.find(kHelper64Name) != std::string::npos) ids.push_back(line.pid);
        return ids;
    }
    std::size_t StartsOf(const std::string& moduleEnd) {
        std::size_t count = 0;
        for (const MarkerLine& line : ReadMarkers(marker))
            if (line.module.size() >= moduleEnd.size() &&
                line.module.compare(line.module.size() - moduleEnd.size(), moduleEnd.size(), moduleEnd) == 0)
                ++count;
        return count;
    }

    ScratchFolder scratch{"tolvane-system-folder"};
    std::string helper, marker;
};

TEST_F(SixtyFourBitSystemFolder, ProbesAndConditionsSeeTheSixtyFourBitFolder) {
    EXPECT_EQ(ProbePath(helper), PathKind::File);
    EXPECT_EQ(ProbePath(WindowsFolder() + "\\System32"), PathKind::Directory);
    WinSystemMeasures measures;
    EXPECT_EQ(ReadCondition(kFileExists, helper, 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kFileMissing, helper, 0, measures).outcome, ItemOutcome::Fails);
}

TEST_F(SixtyFourBitSystemFolder, AnEntryStartsTheSixtyFourBitProgram) {
    ASSERT_TRUE(StartTarget(helper, "--sleep=100", true).ok());
    const auto lines = WaitForMarkers(marker, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].module.find(kHelper64Name), std::string::npos);
    EXPECT_NE(lines[0].commandLine.find("--sleep=100"), std::string::npos);
}

TEST_F(SixtyFourBitSystemFolder, TriggersByFullPathAndByNameFire) {
    const std::string target = scratch.subfolder("target") + "\\target.exe";
    ASSERT_TRUE(CopyMarkerHelper(target));
    EntryModel model;
    model.programStart.append({"path", helper, "bypath", "", target});
    model.programStart.append({"name", kHelper64Name, "byname", "", target});
    WinStartEngine engine;
    engine.takeFirstSnapshot();
    engine.runStartPass(model, false, ::GetTickCount());
    // The user starts the 64-bit program, as Explorer would, by its real path.
    ASSERT_TRUE(StartTarget(helper, "--sleep=20000", false).ok());
    ASSERT_EQ(WaitForMarkers(marker, 1).size(), 1u);
    engine.runStartPass(model, false, ::GetTickCount());
    WaitForMarkers(marker, 3);
    EXPECT_EQ(StartsOf("target.exe"), 2u) << "one start by path, one by name";
}
