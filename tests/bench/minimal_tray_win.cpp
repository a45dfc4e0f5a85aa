// The least a tray program does before its icon shows: register a class,
// create a hidden window, add the icon. The start-up benchmark times it beside
// Tolvane; it stays until it is ended.
#include <windows.h>
#include <shellapi.h>

#include "bench/minimal_tray_win.h"
#include "core/startup_trace_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const HWND window = bench::CreateTrayWindow(instance, "TolvaneBenchMinimalTray");
    if (!window) return 1;
    tolvane::TraceStartupMilestone("tray-icon");
    return bench::RunMessageLoop();
}
