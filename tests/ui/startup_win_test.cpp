// The real program started as its own process: hidden start, the autostart
// shortcut, one copy per session, hide on close, quit confirmation.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/autostart_shortcut_win.h"
#include "ui/main_window_win.h"

using namespace tolvane;

namespace {

std::string ProgramPath() {
    std::string path = TOLVANE_EXE;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;  // a Linux path seen from Wine
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

struct Process {
    PROCESS_INFORMATION info{};
    bool start(const std::string& arguments) {
        std::string line = "\"" + ProgramPath() + "\" " + arguments;
        STARTUPINFOA startup{sizeof startup};
        return ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    }
    DWORD wait(DWORD ms) {
        if (::WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    ~Process() {
        if (info.hProcess) {
            if (wait(0) == STILL_ACTIVE) ::TerminateProcess(info.hProcess, 99);
            ::CloseHandle(info.hProcess);
            ::CloseHandle(info.hThread);
        }
    }
};

template <typename Condition>
bool WaitFor(Condition condition, int ms = 8000) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (condition()) return true;
        ::Sleep(50);
    }
    return condition();
}

HWND FindBox(DWORD process) {
    HWND found = nullptr;
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == process && ::IsWindowVisible(w)) found = w;
    }
    return found;
}

TEST(Startup, RunsHiddenKeepsOneCopyAndQuitsAfterConfirmation) {
    Process first;
    ASSERT_TRUE(first.start("-h"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = ::FindWindowA(kMainWindowClass, nullptr)) != nullptr; }));
    ::Sleep(300);
    EXPECT_FALSE(::IsWindowVisible(main));

    // The shortcut was written at start-up and points at this program.
    const StartupFolders folders = ResolveStartupFolders();
    ShellLinkFields fields;
    ASSERT_TRUE(WaitFor([&] { return ReadShellLink(folders.common + "\\Tolvane.lnk", fields); }));
    EXPECT_EQ(::lstrcmpiA(fields.target.c_str(), ProgramPath().c_str()), 0);
    EXPECT_EQ(fields.arguments, "-h");

    // A second start shows the first copy's window and ends at once.
    Process second;
    ASSERT_TRUE(second.start(""));
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
    ::PostMessageA(main, WM_COMMAND, kCommandQuit, 0);
    ASSERT_TRUE(WaitFor([&] { return (box = FindBox(first.info.dwProcessId)) != nullptr; }));
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(first.wait(10000), 0u);
}

}  // namespace
