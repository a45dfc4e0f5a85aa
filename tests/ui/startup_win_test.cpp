// The real program started as its own process: hidden start, the autostart
// shortcut, one copy per session, hide on close, quit confirmation, and only
// the exact "-h" as a start at logon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/autostart_shortcut_win.h"
#include "ui/main_window_win.h"
#include "win/tolvane_process_win.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

const std::wstring kProgram = BuiltProgramPath(TOLVANE_EXE);

TEST(Startup, RunsHiddenKeepsOneCopyAndQuitsAfterConfirmation) {
    ProgramProcess first;
    ASSERT_TRUE(first.start(kProgram, L"-h"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = ::FindWindowW(kMainWindowClass, nullptr)) != nullptr; }));
    ::Sleep(300);
    EXPECT_FALSE(::IsWindowVisible(main));

    // The shortcut was written at start-up and points at this program.
    const StartupFolders folders = ResolveStartupFolders();
    ShellLinkFields fields;
    ASSERT_TRUE(WaitFor([&] { return ReadShellLink(folders.common + "\\Tolvane.lnk", fields); }));
    EXPECT_EQ(::lstrcmpiW(WideOfUtf8(fields.target).c_str(), kProgram.c_str()), 0);
    EXPECT_EQ(fields.arguments, "-h");

    // A second start shows the first copy's window and ends at once.
    ProgramProcess second;
    ASSERT_TRUE(second.start(kProgram, L""));
    EXPECT_EQ(second.wait(10000), 0u);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != 0; }));

    // Closing only hides.
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(main); }));
    EXPECT_EQ(first.wait(200), DWORD(STILL_ACTIVE));

    // Quit, Cancel: goes on; quit, OK: ends with code 0.
    ::PostMessageA(main, WM_COMMAND, kCommandQuit, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindBox(first.info.dwProcessId)) != nullptr; }));
    ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return FindBox(first.info.dwProcessId) == nullptr; }));
    EXPECT_EQ(first.wait(300), DWORD(STILL_ACTIVE));
    EXPECT_TRUE(QuitAfterConfirmation(first, main));
}

// The code-page form of the command line turns these into "-h"; each must
// start as a user's start does, with the window shown.
TEST(Startup, LookAlikesOfTheLogonSwitchShowTheWindow) {
    for (const wchar_t* argument : {L"-\x0125", L"-\x0127", L"\x2010h"}) {
        SCOPED_TRACE(Utf8OfWide(argument));
        ProgramProcess program;
        ASSERT_TRUE(program.start(kProgram, argument));
        HWND main = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (main = MainWindowOf(program.info.dwProcessId)) != nullptr; }));
        EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != 0; }));
        EXPECT_TRUE(QuitAfterConfirmation(program, main));
    }
}

}  // namespace
