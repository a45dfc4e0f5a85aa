// The shared modal window: placement, owner disabling, event routing.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "ui/image_set_win.h"
#include "wizards/wizard_frame_win.h"
#include "wizards/wizard_test_kit_win.h"

using namespace tolvane;

namespace {

HWND MakeOwner(int x, int y, int width, int height) {
    return ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND AddEdit(HWND parent, int x, int y, int width, int height, int id) {
    return AddControl(parent, L"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, width, height, id);
}

}  // namespace

TEST(WizardFrame, CentresOverTheOwnerAndClampsAtZero) {
    const POINT centred = CentredOrigin(RECT{100, 200, 700, 600}, 200, 100);
    EXPECT_EQ(centred.x, 300);
    EXPECT_EQ(centred.y, 350);
    const POINT clamped = CentredOrigin(RECT{-50, -40, 50, 60}, 400, 300);
    EXPECT_EQ(clamped.x, 0);
    EXPECT_EQ(clamped.y, 0);
}

POINT FrameOrigin(HWND owner) {
    WizardFrame frame;
    if (!frame.create(owner, "Titel", 400, 184)) return POINT{-1, -1};
    RECT r{};
    ::GetWindowRect(frame.window(), &r);
    return POINT{r.left, r.top};
}

TEST(WizardFrame, OpensOverAVisibleOwnerElseOverTheDesktop) {
    HWND owner = MakeOwner(100, 100, 600, 400);
    ASSERT_NE(owner, nullptr);
    RECT outer{0, 0, 400, 184};
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    const POINT overOwner = FrameOrigin(owner);
    EXPECT_NEAR(overOwner.x + (outer.right - outer.left) / 2, 400, 2);
    EXPECT_NEAR(overOwner.y + (outer.bottom - outer.top) / 2, 300, 2);

    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const POINT overDesktop = CentredOrigin(work, outer.right - outer.left, outer.bottom - outer.top);
    ::ShowWindow(owner, SW_MINIMIZE);  // how a closed main window is left: minimised, then hidden
    EXPECT_EQ(FrameOrigin(owner).y, overDesktop.y);
    ::ShowWindow(owner, SW_HIDE);
    const POINT hidden = FrameOrigin(owner);
    EXPECT_EQ(hidden.x, overDesktop.x);
    EXPECT_EQ(hidden.y, overDesktop.y);
    ::DestroyWindow(owner);
}

TEST(WizardFrame, HasTheClientSizeAndDisablesTheOwnerUntilClosed) {
    HWND owner = MakeOwner(100, 100, 600, 400);
    ASSERT_NE(owner, nullptr);
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    {
        WizardFrame frame;
        ASSERT_TRUE(frame.create(owner, "Titel", 400, 184));
        RECT client{};
        ::GetClientRect(frame.window(), &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 184);
        EXPECT_EQ(::GetWindow(frame.window(), GW_OWNER), owner);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        EXPECT_FALSE(::IsWindowVisible(frame.window()));  // shown only once built
        const LONG style = ::GetWindowLongA(frame.window(), GWL_STYLE);
        EXPECT_FALSE(style & WS_THICKFRAME);
        EXPECT_FALSE(style & WS_MAXIMIZEBOX);

        HWND window = frame.window();
        frame.close();
        EXPECT_TRUE(::IsWindowEnabled(owner));
        EXPECT_FALSE(::IsWindow(window));
    }
    ::DestroyWindow(owner);
}

TEST(WizardFrame, RoutesPanelControlEventsAndEndsOnTheCloseBox) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "Titel", 400, 184));
    HWND panel = frame.addPanel(images, 0, 0, 400, 184, {{kImageSystemStart, 10}});
    ASSERT_NE(panel, nullptr);
    HWND button = AddButton(panel, "Weiter", 300, 148, 80, 24, 42);
    int seen = 0;
    frame.onCommand = [&](int id, int code, HWND control) {
        if (id == 42 && code == BN_CLICKED && control == button) ++seen;
    };
    EXPECT_EQ(FindControl(frame.window(), 42), button);
    ::SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(seen, 1);

    frame.show();
    ::UpdateWindow(frame.window());  // paints the band without faults
    EXPECT_FALSE(frame.ended());
    ::SendMessageA(frame.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(frame.ended());
    EXPECT_TRUE(::IsWindow(frame.window()));  // the loop's owner destroys it
}

TEST(WizardFrame, ModalLoopReturnsAfterTheCloseRequest) {
    HWND owner = MakeOwner(0, 0, 300, 300);
    WizardFrame frame;
    ASSERT_TRUE(frame.create(owner, "Titel", 300, 160));
    frame.show();
    ::PostMessageA(frame.window(), WM_CLOSE, 0, 0);
    frame.runModal();
    EXPECT_EQ(frame.window(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}

HWND g_escapeFrame = nullptr;
bool g_escapeTimedOut = false;
void CALLBACK CloseAfterTimeout(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    g_escapeTimedOut = true;
    ::PostMessageA(g_escapeFrame, WM_CLOSE, 0, 0);
}

TEST(WizardFrame, EscapeInAFieldEndsTheLoopLikeTheCloseBox) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "Titel", 300, 160));
    HWND panel = frame.addPanel(images, 0, 0, 300, 160, {});
    HWND field = AddEdit(panel, 10, 40, 100, 20, 7);
    frame.show();
    ::SetFocus(field);
    ::PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageA(field, WM_KEYUP, VK_ESCAPE, 0);
    g_escapeFrame = frame.window();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 3000, CloseAfterTimeout);  // never hang the suite
    frame.runModal();
    ::KillTimer(nullptr, timer);
    EXPECT_FALSE(g_escapeTimedOut) << "Escape did not end the window";
    EXPECT_EQ(frame.window(), nullptr);
}

// Ends the test program if the thread that made it hangs: a key typed while
// the focus sits on a hidden control looped in the dialog manager for good.
class HangWatch {
public:
    explicit HangWatch(const char* what) : thread_([this, what] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done_ && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!done_) {
            std::fprintf(stderr, "hung: %s\n", what);
            std::fflush(stderr);
            std::_Exit(3);
        }
    }) {}
    ~HangWatch() {
        done_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

TEST(WizardFrame, KeysTypedWhileTheFocusIsOnAHiddenPageGoToTheShownOne) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "Titel", 400, 184));
    HWND hidden = frame.addPanel(images, 0, 0, 400, 184, {});
    HWND left = AddButton(hidden, "Abbrechen", 200, 148, 80, 24, 11);
    HWND shown = frame.addPanel(images, 0, 0, 400, 184, {});
    HWND field = AddEdit(shown, 20, 90, 160, 20, 21);
    AddButton(shown, "Weiter", 300, 148, 80, 24, 22);
    frame.show();
    EXPECT_EQ(::GetFocus(), field);
    ::SetFocus(left);  // where a click left it before its page went
    ::ShowWindow(hidden, SW_HIDE);
    {
        HangWatch watch("typing after a page switch");
        TypeKeys(frame, "ab");
    }
    EXPECT_EQ(::GetFocus(), field);
    EXPECT_EQ(ControlText(field), "ab");
}

TEST(WizardFrame, EnterPressesTheDefaultButtonOnlyWhileItIsEnabled) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "Titel", 300, 160));
    HWND panel = frame.addPanel(images, 0, 0, 300, 160, {});
    HWND field = AddEdit(panel, 20, 60, 100, 20, 5);
    HWND ok = AddDefaultButton(panel, "OK", 100, 124, 80, 24, IDOK);
    AddButton(panel, "Abbrechen", 200, 124, 80, 24, IDCANCEL);
    std::vector<int> pressed;
    frame.onCommand = [&](int id, int code, HWND) { if (code == BN_CLICKED) pressed.push_back(id); };
    frame.defaultButton = [] { return static_cast<int>(IDOK); };
    frame.show();
    ASSERT_EQ(::GetFocus(), field);
    PressKey(frame, VK_RETURN);
    EXPECT_EQ(pressed, std::vector<int>{IDOK});
    ::EnableWindow(ok, FALSE);
    PressKey(frame, VK_RETURN);
    EXPECT_EQ(pressed, std::vector<int>{IDOK});
    PressKey(frame, VK_TAB);  // skips the disabled "OK"
    EXPECT_EQ(FocusedId(), IDCANCEL);
    PressKey(frame, VK_RETURN);  // a focused button takes Enter itself
    EXPECT_EQ(pressed, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_FALSE(frame.ended());
}

TEST(WizardFrame, ComingBackFromAnotherWindowRestoresTheFocus) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "Titel", 300, 160));
    HWND panel = frame.addPanel(images, 0, 0, 300, 160, {});
    AddEdit(panel, 20, 40, 100, 20, 5);
    HWND second = AddEdit(panel, 20, 70, 100, 20, 6);
    frame.show();
    ::SetFocus(second);
    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SetActiveWindow(other);
    ::DestroyWindow(other);  // as a closing sub-dialog or message box
    ::SetActiveWindow(frame.window());
    EXPECT_EQ(::GetFocus(), second);
}
