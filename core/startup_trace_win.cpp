#include "core/startup_trace_win.h"

#include <windows.h>
#include <psapi.h>

#include <string>

#include "core/unique_handle_win.h"

namespace tolvane {

namespace {
unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Milliseconds with one decimal, from 100 ns ticks; no printf, whose
// formatting code would add 20 KB to the program for a benchmark's sake.
std::string Milliseconds(unsigned long long ticks) {
    const unsigned long long tenths = ticks / 1000;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
}  // namespace

void TraceStartupMilestone(const char* name) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"TOLVANE_STARTUP_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    FILETIME created{}, unused{}, now{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &unused, &unused, &unused);
    ::GetSystemTimeAsFileTime(&now);
    std::string lines = std::string(name) + " " + Milliseconds(Ticks(now) - Ticks(created)) + "\n";
    // The working set at the milestone, now and at its highest so far.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory))
        lines += "memory-kb " + std::string(name) + " " + std::to_string(memory.WorkingSetSize / 1024) + " " +
                 std::to_string(memory.PeakWorkingSetSize / 1024) + "\n";
    const UniqueFileHandle file(::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    ::WriteFile(file.get(), lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
}

}  // namespace tolvane
