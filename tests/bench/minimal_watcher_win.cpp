// The least a watcher of starting programs costs at rest: a hidden window
// with a tray icon that lists the running processes twice a second and does
// nothing else. The rest benchmark measures it beside Tolvane.
#include <windows.h>
#include <tlhelp32.h>

#include "bench/minimal_tray_win.h"
#include "core/startup_trace_win.h"

namespace {

volatile DWORD g_processes = 0;  // kept, so the listing is not optimised away

void CALLBACK ListProcesses(HWND, UINT, UINT_PTR, DWORD) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    DWORD count = 0;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) ++count;
    g_processes = count;
    ::CloseHandle(snapshot);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const HWND window = bench::CreateTrayWindow(instance, "TolvaneBenchMinimalWatcher");
    if (!window) return 1;
    tolvane::TraceStartupMilestone("tray-icon");
    ::SetTimer(window, 1, 500, ListProcesses);
    return bench::RunMessageLoop();
}
