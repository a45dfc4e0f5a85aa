#include "ui/window_snap_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/guarded_procedure_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

constexpr UINT_PTR kSnapSubclassId = 0x534e4150;  // "SNAP"

bool IsSnappedWindow(HWND window) {
    if (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) return false;
    // Popup menus and tooltips are placed by the system, not by the user.
    wchar_t className[32] = {};
    ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
    return lstrcmpW(className, L"#32768") != 0 && lstrcmpW(className, L"tooltips_class32") != 0;
}

// Set by the system in a position change that minimises, maximises or
// restores the window; not in the SDK headers.
constexpr UINT kSwpStateChanged = 0x8000;

void Snap(HWND window, WINDOWPOS& pos) {
    const PlacementChange change{(pos.flags & SWP_NOMOVE) == 0, ::IsIconic(window) != FALSE,
                                 ::IsZoomed(window) != FALSE, (pos.flags & kSwpStateChanged) != 0};
    if (!SnapsPlacement(change) || !IsSnappedWindow(window)) return;
    SnapRect proposed{pos.x, pos.y, pos.cx, pos.cy};
    if (pos.flags & SWP_NOSIZE) {
        RECT current{};
        ::GetWindowRect(window, &current);
        proposed.width = current.right - current.left;
        proposed.height = current.bottom - current.top;
    }
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
    const SnapRect snapped = SnapToWorkArea(proposed, {work.left, work.top, work.right, work.bottom});
    pos.x = snapped.x;
    pos.y = snapped.y;
}

LRESULT CALLBACK SnapSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return GuardedSubclass(window, message, wParam, lParam, [&] {
        if (message == WM_WINDOWPOSCHANGING) Snap(window, *reinterpret_cast<WINDOWPOS*>(lParam));
        if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, SnapSubclass, kSnapSubclassId);
        return ::DefSubclassProc(window, message, wParam, lParam);
    });
}

void Attach(HWND window) { ::SetWindowSubclass(window, SnapSubclass, kSnapSubclassId, 0); }

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!(create->lpcs->style & WS_CHILD)) Attach(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK AttachExisting(HWND window, LPARAM) {
    Attach(window);
    return TRUE;
}

}  // namespace

UniqueHook InstallWindowSnapping() {
    UniqueHook hook(::SetWindowsHookExW(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId()));
    ::EnumThreadWindows(::GetCurrentThreadId(), AttachExisting, 0);
    return hook;
}

}  // namespace tolvane
