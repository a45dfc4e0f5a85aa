// Prints what one watcher pass costs on the real system, with extra helper
// processes running: the listing plus path reads of new processes only,
// against reading every path at every pass.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>

#include "engine/process_source_win.h"
#include "engine/process_watcher.h"
#include "helper_processes_win.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

struct NullLauncher : Launcher {
    LaunchResult start(const std::string&, const std::string&, bool) override { return {}; }
};

double Millis(LARGE_INTEGER begin, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(end.QuadPart - begin.QuadPart) / double(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

}  // namespace

int main(int argc, char** argv) {
    const int helpers = argc > 1 ? std::atoi(argv[1]) : 50;
    ::SetEnvironmentVariableA("TOLVANE_MARKER_FILE", nullptr);
    ScratchFolder scratch("tolvane-bench");
    const std::string helper = scratch.path() + "\\bench_helper.exe";
    if (!CopyMarkerHelper(helper)) return 1;
    std::deque<UniqueKernelHandle> running;
    for (int i = 0; i < helpers; ++i) running.push_back(Spawn(helper, "--sleep=300000"));
    ::Sleep(1500);

    WinProcessSource source;
    std::vector<ProcessIdentity> listing;
    source.listProcesses(listing);
    EntryList entries;
    for (int i = 0; i < 20; ++i)
        entries.append({"e", "trigger" + std::to_string(i) + ".exe", "", "", "C:\\t" + std::to_string(i) + ".exe"});
    NullLauncher launcher;
    ProcessWatcher watcher;
    watcher.takeFirstSnapshot(source);

    constexpr int kPasses = 200;
    const std::size_t opensBefore = source.opens();
    LARGE_INTEGER begin = Now();
    for (int i = 0; i < kPasses; ++i) watcher.watchProgramStarts(source, entries, launcher);
    const double idle = Millis(begin, Now()) / kPasses;
    const double opensIdle = double(source.opens() - opensBefore) / kPasses;

    // Every path read afresh: what a pass costs without remembering identities.
    constexpr int kReadAllPasses = 50;
    std::size_t opens = 0;
    begin = Now();
    for (int i = 0; i < kReadAllPasses; ++i) {
        source.listProcesses(listing);
        for (const ProcessIdentity& p : listing) {
            ProcessPathOfId(p.id);
            ++opens;
        }
    }
    const double readAll = Millis(begin, Now()) / kReadAllPasses;

    std::printf("watcher pass under this system, %d helper processes, %u processes in all\n", helpers,
                static_cast<unsigned>(listing.size()));
    std::printf("idle pass: %.3f ms, %.1f process opens per pass\n", idle, opensIdle);
    std::printf("reading every path: %.3f ms, %.1f process opens per pass\n", readAll,
                double(opens) / kReadAllPasses);

    for (UniqueKernelHandle& process : running) EndProcess(process);
    return 0;
}
