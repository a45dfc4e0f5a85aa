#include "engine/system_measures_win.h"

#include <windows.h>

#include <iterator>

#include "core/wide_text_win.h"

#include "engine/captured_run_win.h"

namespace tolvane {

std::string SystemPingPath() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return Utf8OfWide(std::wstring_view(folder, length)) + "\\ping.exe";
}

std::uint32_t WinSystemMeasures::tickCount() { return ::GetTickCount(); }

DiskFigures WinSystemMeasures::diskC() {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!::GetDiskFreeSpaceW(L"C:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) return {};
    const std::int64_t cluster = static_cast<std::int64_t>(sectorsPerCluster) * bytesPerSector;
    return {cluster * freeClusters, cluster * totalClusters};
}

MemoryFigures WinSystemMeasures::memory() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) return {};
    return {status.ullAvailPhys, status.ullTotalPhys};
}

std::string WinSystemMeasures::userName() {
    wchar_t name[512] = {};
    DWORD size = static_cast<DWORD>(std::size(name));
    if (!::GetUserNameW(name, &size)) return {};
    return Utf8OfWide(name);
}

PathKind WinSystemMeasures::probePath(std::string_view path) { return ProbePath(path); }

std::optional<int> WinSystemMeasures::processorLoad() {
    FILETIME idle{}, kernel{}, user{};
    if (::GetSystemTimes(&idle, &kernel, &user)) {
        auto count = [](const FILETIME& time) {
            return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        // Kernel time holds the idle time.
        load_.add(tickCount(), {count(idle), count(kernel) + count(user)});
    }
    return load_.percent();
}

std::string WinSystemMeasures::runningProgram(std::string_view trigger) {
    if (!processes_) processes_.emplace();
    return programs_.find(*processes_, tickCount(), trigger);
}

bool WinSystemMeasures::pingConnected(const std::atomic<bool>* cancelled) {
    if (pingProgram.empty()) return false;
    const auto run = RunAndCapture(pingProgram, PingCommandLine(pingProgram, pingTarget), pingTimeoutMs,
                                   kPingOutputLimit, cancelled);
    // Output past the bound is not the answer to one echo request: no connection.
    return run && PingShowsConnection({run->output, run->finished && !run->outputCut, run->exitCode});
}

}  // namespace tolvane
