// The real file chooser, whose library is loaded only when it first opens:
// it opens over its owner and gives back the chosen file, or nothing when
// cancelled.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "core/wide_text_win.h"
#include "wizards/choosers_win.h"

using namespace tolvane;

namespace {

// What the timer does once the chooser shows: type a name and confirm, or
// cancel. Read and written only on the test's thread.
struct Script {
    HWND owner = nullptr;
    std::wstring typed;  // empty: cancel
    bool seen = false;
    int ticksAfterAction = 0;
};
Script g_script;

BOOL CALLBACK FindChooser(HWND window, LPARAM found) {
    if (::GetWindow(window, GW_OWNER) != g_script.owner || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK DriveChooser(HWND, UINT, UINT_PTR, DWORD) {
    HWND chooser = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindChooser, reinterpret_cast<LPARAM>(&chooser));
    if (!chooser) return;  // not shown yet, or closed: the call returns by itself
    if (g_script.seen) {
        // Still open long after the answer: end it rather than hang the run.
        if (++g_script.ticksAfterAction > 100) ::PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    g_script.seen = true;
    if (g_script.typed.empty()) {
        ::PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    // The name field: a combo box in the Explorer-style chooser, an edit in the old one.
    if (!::SetDlgItemTextW(chooser, 0x47c, g_script.typed.c_str()))
        ::SetDlgItemTextW(chooser, 0x480, g_script.typed.c_str());
    ::PostMessageW(chooser, WM_COMMAND, IDOK, 0);
}

class Choosers : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = ::CreateWindowExW(0, L"STATIC", L"Besitzer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(owner_);
        g_script = Script{owner_};
        timer_ = ::SetTimer(nullptr, 0, 50, DriveChooser);
        ASSERT_NE(timer_, 0u);
    }
    void TearDown() override {
        ::KillTimer(nullptr, timer_);
        ::DestroyWindow(owner_);
    }

    HWND owner_ = nullptr;
    UINT_PTR timer_ = 0;
};

TEST_F(Choosers, TheChosenFileComesBackWholeEvenOutsideTheCodePage) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring file = std::wstring(temp) + L"tolvane-w\u00E4hler-\u0141.txt";
    std::ofstream(file.c_str()) << "x";
    g_script.typed = file;
    const std::string chosen = ChooseAnyFile(owner_);
    EXPECT_TRUE(g_script.seen) << "the chooser opened";
    EXPECT_EQ(chosen, Utf8OfWide(file));
    ::DeleteFileW(file.c_str());
}

TEST_F(Choosers, CancellingGivesNothing) {
    EXPECT_EQ(ChooseProgramFile(owner_), "");
    EXPECT_TRUE(g_script.seen) << "the chooser opened";
}

}  // namespace
