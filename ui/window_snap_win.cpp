#include "ui/window_snap_win.h"

#include "ui/shell_rules.h"

namespace tolvane {

namespace {

bool IsSnappedWindow(HWND window) {
    if (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) return false;
    // Popup menus and tooltips are placed by the system, not by the user.
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32768") != 0 && lstrcmpA(className, "tooltips_class32") != 0;
}

LRESULT CALLBACK SnapHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_WINDOWPOSCHANGING && IsSnappedWindow(call->hwnd)) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(call->lParam);
            if (!(pos->flags & SWP_NOMOVE) && !::IsIconic(call->hwnd)) {
                SnapRect proposed{pos->x, pos->y, pos->cx, pos->cy};
                if (pos->flags & SWP_NOSIZE) {
                    RECT current{};
                    ::GetWindowRect(call->hwnd, &current);
                    proposed.width = current.right - current.left;
                    proposed.height = current.bottom - current.top;
                }
                RECT work{};
                if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
                    const SnapRect snapped =
                        SnapToWorkArea(proposed, {work.left, work.top, work.right, work.bottom});
                    pos->x = snapped.x;
                    pos->y = snapped.y;
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

UniqueHook InstallWindowSnapping() {
    return UniqueHook(::SetWindowsHookExA(WH_CALLWNDPROC, SnapHook, nullptr, ::GetCurrentThreadId()));
}

}  // namespace tolvane
