// The window tests' message pumps, on the thread that owns the windows.
#pragma once

#include <windows.h>

#include <functional>

namespace tolvane::testing {

// Handles the messages waiting now; a quit is left for the caller's loop.
inline void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// Waits for what the engine's threads tell the windows: handles this
// thread's messages until `done` holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    const DWORD begin = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - begin > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace tolvane::testing
