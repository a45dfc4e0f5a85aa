// The real program started as its own process: hidden start, the autostart
// shortcut, one copy per session, hide on close, quit confirmation, and only
// the exact "-h" as a start at logon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/autostart_choice_win.h"
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

// "Beim Anmelden starten" unchecked removes the shortcut and a restart
// leaves it out; checked, it is written at once. The choice is the prefix's
// own, so the test ends with it checked, as it began.
TEST(Startup, UncheckingStartAtLogonRemovesTheShortcutUntilItIsCheckedAgain) {
    const StartupFolders folders = ResolveStartupFolders();
    const auto linked = [&folders] {
        return ::GetFileAttributesW(WideOfUtf8(folders.common + "\\Tolvane.lnk").c_str()) != INVALID_FILE_ATTRIBUTES ||
               ::GetFileAttributesW(WideOfUtf8(folders.user + "\\Tolvane.lnk").c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    ProgramProcess first;
    ASSERT_TRUE(first.start(kProgram, L"-h"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindowOf(first.info.dwProcessId)) != nullptr; }));
    ASSERT_TRUE(WaitFor(linked));
    ::PostMessageW(main, WM_COMMAND, kCommandStartAtLogon, 0);
    EXPECT_TRUE(WaitFor([&] { return !linked(); }));
    EXPECT_FALSE(AutostartChosen());
    EXPECT_TRUE(QuitAfterConfirmation(first, main));

    ProgramProcess again;
    ASSERT_TRUE(again.start(kProgram, L"-h"));
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindowOf(again.info.dwProcessId)) != nullptr; }));
    // Answered only once the program's own loop runs, after its start-up.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored));
    EXPECT_FALSE(linked()) << "a start while the choice is off writes no shortcut";
    ::PostMessageW(main, WM_COMMAND, kCommandStartAtLogon, 0);
    EXPECT_TRUE(WaitFor(linked));
    EXPECT_TRUE(AutostartChosen());
    EXPECT_TRUE(QuitAfterConfirmation(again, main));
}

}  // namespace
