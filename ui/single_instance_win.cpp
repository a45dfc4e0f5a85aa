#include "ui/single_instance_win.h"

#include "ui/main_window_win.h"

namespace tolvane {

InstanceClaim ClaimSingleInstance(const wchar_t* name) {
    InstanceClaim claim;
    claim.mutex.reset(::CreateMutexW(nullptr, FALSE, name));
    // Without a mutex we cannot tell: run rather than refuse to start.
    claim.first = !claim.mutex || ::GetLastError() != ERROR_ALREADY_EXISTS;
    return claim;
}

bool ShowRunningCopy(const wchar_t* windowClass, unsigned long patienceMs) {
    const wchar_t* wanted = windowClass ? windowClass : kMainWindowClass;
    // A posted request waits in the queue until the running copy's loop
    // turns, so it only has to find the window.
    HWND running = ::FindWindowW(wanted, nullptr);
    for (const DWORD begin = ::GetTickCount(); !running && ::GetTickCount() - begin < patienceMs;) {
        ::Sleep(50);
        running = ::FindWindowW(wanted, nullptr);
    }
    if (!running) return false;
    // The running copy may bring itself to the front only if allowed to.
    DWORD process = 0;
    ::GetWindowThreadProcessId(running, &process);
    ::AllowSetForegroundWindow(process);
    return ::PostMessageW(running, ::RegisterWindowMessageW(kShowMessageName), 0, 0) != 0;
}

}  // namespace tolvane
