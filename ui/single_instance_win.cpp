#include "ui/single_instance_win.h"

#include "ui/main_window_win.h"

namespace tolvane {

InstanceClaim ClaimSingleInstance(const char* name) {
    InstanceClaim claim;
    claim.mutex.reset(::CreateMutexA(nullptr, FALSE, name));
    // Without a mutex we cannot tell: run rather than refuse to start.
    claim.first = !claim.mutex || ::GetLastError() != ERROR_ALREADY_EXISTS;
    return claim;
}

bool ShowRunningCopy() {
    HWND running = ::FindWindowA(kMainWindowClass, nullptr);
    if (!running) return false;
    // The running copy may bring itself to the front only if allowed to.
    DWORD process = 0;
    ::GetWindowThreadProcessId(running, &process);
    ::AllowSetForegroundWindow(process);
    return ::PostMessageA(running, ::RegisterWindowMessageA(kShowMessageName), 0, 0) != 0;
}

}  // namespace tolvane
