// The least a watcher of starting programs costs at rest: a hidden window
// with a tray icon that lists the running processes twice a second, with one
// NtQuerySystemInformation call each time, and does nothing else. The rest
// benchmark measures it beside Tolvane.
#include <windows.h>

#include <vector>

#include "bench/minimal_tray_win.h"
#include "core/startup_trace_win.h"
#include "engine/process_source_win.h"

namespace {

tolvane::WinProcessSource g_source;
std::vector<tolvane::ProcessIdentity> g_listing;
volatile std::size_t g_processes = 0;  // kept, so the listing is not optimised away

void CALLBACK ListProcesses(HWND, UINT, UINT_PTR, DWORD) {
    g_source.listProcesses(g_listing);
    g_processes = g_listing.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const HWND window = bench::CreateTrayWindow(instance, "TolvaneBenchMinimalWatcher");
    if (!window) return 1;
    tolvane::TraceStartupMilestone("tray-icon");
    ::SetTimer(window, 1, 500, ListProcesses);
    return bench::RunMessageLoop();
}
