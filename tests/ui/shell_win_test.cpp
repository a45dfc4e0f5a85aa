// Snapping hook, row icons, the autostart shortcut and the instance mark
// against the real system calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "core/texts.h"
#include "ui/autostart_choice_win.h"
#include "ui/autostart_shortcut_win.h"
#include "ui/file_icons_win.h"
#include "ui/main_window_win.h"
#include "ui/single_instance_win.h"
#include "ui/window_snap_win.h"

using namespace tolvane;

namespace {

std::string TempFolder(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string OwnPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(WindowSnapping, AdjustsEveryTopLevelWindowOfTheThread) {
    const UniqueHook hook = InstallWindowSnapping();
    ASSERT_TRUE(hook);
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    HWND window = ::CreateWindowExA(0, "STATIC", "snap", WS_OVERLAPPED | WS_CAPTION, 200, 200, 300, 200, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    const auto left = [&] {
        RECT r{};
        ::GetWindowRect(window, &r);
        return r;
    };
    ::SetWindowPos(window, nullptr, work.left + 7, work.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(left().left, work.left);
    EXPECT_EQ(left().right - left().left, 300);
    ::SetWindowPos(window, nullptr, -3, work.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(left().left, -13);
    ::SetWindowPos(window, nullptr, -8, -8, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(left().left, -18);
    EXPECT_EQ(left().top, -18);
    ::SetWindowPos(window, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(left().left, 100);
    // A child window is not snapped.
    HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 3, 3, 10, 10, window, nullptr, nullptr, nullptr);
    RECT childRect{};
    ::GetWindowRect(child, &childRect);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    EXPECT_EQ(childRect.left - origin.x, 3);
    ::DestroyWindow(window);
}

TEST(WindowSnapping, AMaximisedWindowStaysWhereTheSystemPutsIt) {
    constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
    const UniqueHook hook = InstallWindowSnapping();
    HWND snapped = ::CreateWindowExA(0, "STATIC", "snapped", kStyle, 200, 200, 300, 200, nullptr, nullptr, nullptr,
                                     nullptr);
    ASSERT_TRUE(snapped);
    ::ShowWindow(snapped, SW_MAXIMIZE);
    RECT maximised{};
    ::GetWindowRect(snapped, &maximised);
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    // The frame may hang over the work area's edges, but never by a snap's 10 pixels more.
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    EXPECT_GE(maximised.left, work.left + frame.left);
    EXPECT_GE(maximised.top, work.top + frame.top);
    EXPECT_LE(maximised.right, work.right + frame.right);
    // Restoring brings back the normal place; maximising again the same place.
    ::ShowWindow(snapped, SW_RESTORE);
    RECT restored{};
    ::GetWindowRect(snapped, &restored);
    EXPECT_EQ(restored.left, 200);
    ::ShowWindow(snapped, SW_MAXIMIZE);
    RECT again{};
    ::GetWindowRect(snapped, &again);
    EXPECT_TRUE(::EqualRect(&again, &maximised));
    ::DestroyWindow(snapped);
}

TEST(WindowSnapping, WindowsThatExistedBeforeTheHookAreSnappedToo) {
    HWND window = ::CreateWindowExA(0, "STATIC", "early", WS_POPUP, 200, 200, 100, 100, nullptr, nullptr, nullptr,
                                    nullptr);
    const UniqueHook hook = InstallWindowSnapping();
    ::SetWindowPos(window, nullptr, -3, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT r{};
    ::GetWindowRect(window, &r);
    EXPECT_EQ(r.left, -13);
    ::DestroyWindow(window);
}

TEST(FileIcons, EveryTargetGetsAnIcon) {
    for (const char* path : {"C:\\missing\\x.exe", "C:\\missing\\X.ExE", "C:\\missing\\doc.txt",
                             "C:\\missing\\run.bat", "C:\\noextension", OwnPath().c_str()}) {
        HICON icon = IconForRow(path);
        EXPECT_NE(icon, nullptr) << path;
        if (icon) ::DestroyIcon(icon);
    }
    HICON type = FileTypeIcon("");
    EXPECT_NE(type, nullptr);
    if (type) ::DestroyIcon(type);
}

TEST(AutostartShortcut, WritesTheFieldsAndReadsThemBack) {
    const std::string folder = TempFolder("tolvane-lnk-common");
    const std::string link = folder + "\\Tolvane.lnk";
    ::DeleteFileA(link.c_str());
    const std::string target = OwnPath();
    const std::string written = WriteAutostartShortcut({folder, ""}, target);
    ASSERT_EQ(written, link);
    ShellLinkFields fields;
    ASSERT_TRUE(ReadShellLink(link, fields));
    EXPECT_EQ(fields.arguments, "-h");
    EXPECT_EQ(fields.workingDirectory + target.substr(target.find_last_of('\\') + 1), target);
    EXPECT_EQ(fields.workingDirectory.back(), '\\');
    EXPECT_EQ(fields.description,
              std::string(fixed_text::kShortcutDescriptionPrefix) + std::string(GetText(Text::ProgramDescription)));
    EXPECT_EQ(fields.showCommand, 1);
    EXPECT_EQ(fields.hotkey, 0);
    EXPECT_EQ(fields.iconIndex, 0);
    EXPECT_EQ(::lstrcmpiA(fields.iconFile.c_str(), target.c_str()), 0);
    EXPECT_EQ(::lstrcmpiA(fields.target.c_str(), target.c_str()), 0);
    ::DeleteFileA(link.c_str());
}

TEST(AutostartShortcut, KeepsExactlyOneLink) {
    const std::string common = TempFolder("tolvane-lnk-all");
    const std::string user = TempFolder("tolvane-lnk-user");
    const std::string commonLink = common + "\\Tolvane.lnk", userLink = user + "\\Tolvane.lnk";
    // A stale per-user link goes once the common one is written.
    ASSERT_FALSE(WriteAutostartShortcut({"", user}, OwnPath()).empty());
    ASSERT_TRUE(Exists(userLink));
    EXPECT_EQ(WriteAutostartShortcut({common, user}, OwnPath()), commonLink);
    EXPECT_TRUE(Exists(commonLink));
    EXPECT_FALSE(Exists(userLink));
    // A common folder that cannot be written: the user's own instead.
    const std::string missing = common + "\\no\\such\\folder";
    EXPECT_EQ(WriteAutostartShortcut({missing, user}, OwnPath()), userLink);
    EXPECT_TRUE(Exists(userLink));
    // No folder at all: nothing, and never a bare "\Tolvane.lnk".
    EXPECT_EQ(WriteAutostartShortcut({"", ""}, OwnPath()), "");
    EXPECT_FALSE(Exists("\\Tolvane.lnk"));
    ::DeleteFileA(commonLink.c_str());
    ::DeleteFileA(userLink.c_str());
    const StartupFolders real = ResolveStartupFolders();
    EXPECT_FALSE(real.common.empty());
    EXPECT_FALSE(real.user.empty());
}

TEST(AutostartShortcut, RemovalTakesBothLinksAndNamesOneThatStays) {
    const std::string common = TempFolder("tolvane-lnk-all"), user = TempFolder("tolvane-lnk-user");
    const std::string commonLink = common + "\\Tolvane.lnk", userLink = user + "\\Tolvane.lnk";
    ASSERT_FALSE(WriteAutostartShortcut({common, ""}, OwnPath()).empty());
    ASSERT_FALSE(WriteAutostartShortcut({"", user}, OwnPath()).empty());
    EXPECT_EQ(RemoveAutostartShortcut({common, user}), "");
    EXPECT_FALSE(Exists(commonLink) || Exists(userLink));
    EXPECT_EQ(RemoveAutostartShortcut({common, user}), "") << "nothing to remove is no failure";
    // Something of that name that cannot be deleted stays, and is named.
    ASSERT_TRUE(::CreateDirectoryA(commonLink.c_str(), nullptr));
    EXPECT_EQ(RemoveAutostartShortcut({common, user}), commonLink);
    ::RemoveDirectoryA(commonLink.c_str());
}

TEST(AutostartChoice, UnsetIsYesAndAChoiceIsKept) {
    const AutostartSetting setting{HKEY_CURRENT_USER, L"Software\\Tolvane-Test"};
    ::RegDeleteTreeW(HKEY_CURRENT_USER, setting.key);
    EXPECT_TRUE(AutostartChosen(setting));
    for (bool on : {false, true, false}) {
        ASSERT_TRUE(ChooseAutostart(on, setting));
        EXPECT_EQ(AutostartChosen(setting), on);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, setting.key);
}

TEST(SingleInstance, SecondClaimInTheSessionIsRefused) {
    const wchar_t* name = L"Local\\Tolvane.Test.Instance";
    InstanceClaim first = ClaimSingleInstance(name);
    EXPECT_TRUE(first.first);
    InstanceClaim second = ClaimSingleInstance(name);
    EXPECT_FALSE(second.first);
    second = {};
    first = {};
    EXPECT_TRUE(ClaimSingleInstance(name).first);
}

}  // namespace

namespace {

// A running copy still starting up: its window appears only after a while,
// and it records whether the show request reached it.
struct LateCopy {
    std::atomic<bool> asked{false};
    std::thread thread;

    explicit LateCopy(const char* windowClass, DWORD delayMs) {
        thread = std::thread([this, windowClass, delayMs] {
            ::Sleep(delayMs);
            WNDCLASSA type{};
            type.lpfnWndProc = ::DefWindowProcA;
            type.hInstance = ::GetModuleHandleA(nullptr);
            type.lpszClassName = windowClass;
            ::RegisterClassA(&type);
            HWND window = ::CreateWindowA(windowClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
            const UINT show = ::RegisterWindowMessageW(kShowMessageName);
            MSG message{};
            for (const DWORD begin = ::GetTickCount(); !asked && ::GetTickCount() - begin < 15000;) {
                if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                    continue;
                }
                if (message.message == show) asked = true;
                ::DispatchMessageA(&message);
            }
            ::DestroyWindow(window);
            ::UnregisterClassA(windowClass, ::GetModuleHandleA(nullptr));
        });
    }
    ~LateCopy() {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

TEST(InstanceMark, ASecondStartReachesACopyWhoseWindowComesLate) {
    {
        LateCopy late("TolvaneLateCopyTest", 400);
        EXPECT_TRUE(ShowRunningCopy(L"TolvaneLateCopyTest"));
        late.thread.join();
        EXPECT_TRUE(late.asked) << "the request waited for the window";
    }
    // With no window ever appearing, the second start gives up in time.
    EXPECT_FALSE(ShowRunningCopy(L"TolvaneNoCopyTest", 200));
}
