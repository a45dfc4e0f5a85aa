#include "core/startup_trace_win.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace tolvane {

namespace {
unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
}  // namespace

void TraceStartupMilestone(const char* name) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("TOLVANE_STARTUP_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    FILETIME created{}, unused{}, now{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &unused, &unused, &unused);
    ::GetSystemTimeAsFileTime(&now);
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %.1f\n", name, static_cast<double>(Ticks(now) - Ticks(created)) / 10000.0);
        // The working set at the milestone, now and at its highest so far.
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory))
            std::fprintf(file, "memory-kb %s %lu %lu\n", name, static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                         static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
        std::fclose(file);
    }
}

}  // namespace tolvane
