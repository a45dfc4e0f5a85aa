// The one guard every window procedure and subclass runs its handling in:
// nothing may unwind through the system's window code, and a handler that
// fails answers as the window would without it.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tolvane {

inline LRESULT DefaultAnswer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

template <typename Handle>
LRESULT GuardedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        return DefaultAnswer(window, message, wParam, lParam);
    }
}

// For a subclass the default is the next procedure in the chain.
template <typename Handle>
LRESULT GuardedSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
}

}  // namespace tolvane
