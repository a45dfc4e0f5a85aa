// Prints what one watcher pass costs with simulated process lists: an idle
// pass (nothing started), a pass with one new process, and for comparison a
// pass that reads every path afresh and compares the lists pairwise.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/process_watcher.h"
#include "fake_engine_services.h"

using namespace tolvane;
using namespace tolvane::testing;
using Clock = std::chrono::steady_clock;

namespace {

struct NullLauncher : Launcher {
    LaunchResult start(const std::string&, const std::string&, bool) override { return {}; }
};

// Counts path reads without the fake's linear search, so only the watcher's
// own work is timed.
struct IndexedSource : ProcessSource {
    std::vector<ProcessIdentity> listing;
    std::vector<std::string> paths;  // by position in `listing`
    std::size_t reads = 0;
    void listProcesses(std::vector<ProcessIdentity>& out) override { out = listing; }
    std::string processPath(const ProcessIdentity& p) override {
        ++reads;
        return paths[p.id / 4 % paths.size()];
    }
};

EntryList Entries() {
    EntryList entries;
    for (int i = 0; i < 20; ++i)
        entries.append({"e", "trigger" + std::to_string(i) + ".exe", "", "", "C:\\t" + std::to_string(i) + ".exe"});
    return entries;
}

IndexedSource Processes(int count) {
    IndexedSource source;
    for (int i = 0; i < count; ++i) {
        source.listing.push_back({static_cast<std::uint32_t>(i * 4), 132000000000000000ull + i});
        // Some programs run several times, and some processes cannot be read.
        source.paths.push_back(i % 10 == 0 ? "" : "C:\\Program Files\\Vendor " + std::to_string(i % 37) +
                                                      "\\program" + std::to_string(i) + ".exe");
    }
    return source;
}

// The plain way: every path read afresh and the two lists compared pairwise.
double PairwisePassMicros(IndexedSource& source, int passes) {
    std::vector<std::string> known, current;
    for (const ProcessIdentity& p : source.listing) known.push_back(source.processPath(p));
    const auto begin = Clock::now();
    for (int pass = 0; pass < passes; ++pass) {
        current.clear();
        std::vector<ProcessIdentity> listing;
        source.listProcesses(listing);
        for (const ProcessIdentity& p : listing) current.push_back(source.processPath(p));
        for (const std::string& p : current) {
            bool found = false;
            for (const std::string& k : known) found = found || k == p;
            if (!found) known.push_back(p);
        }
        std::erase_if(known, [&](const std::string& k) {
            for (const std::string& c : current)
                if (c == k) return false;
            return true;
        });
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / passes;
}

}  // namespace

int main() {
    std::printf("watcher pass, simulated processes, 20 program-start entries\n");
    std::printf("%9s %16s %15s %18s %20s %19s\n", "processes", "idle pass [us]", "opens per idle", "pass, 1 new [us]",
                "pairwise pass [us]", "opens per pairwise");
    const EntryList entries = Entries();
    NullLauncher launcher;
    for (int count : {50, 300, 1000}) {
        IndexedSource source = Processes(count);
        ProcessWatcher watcher;
        watcher.takeFirstSnapshot(source);
        constexpr int kPasses = 20000;
        const std::size_t readsBefore = source.reads;
        auto begin = Clock::now();
        for (int i = 0; i < kPasses; ++i) watcher.watchProgramStarts(source, entries, launcher);
        const double idle = std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / kPasses;
        const double opensIdle = double(source.reads - readsBefore) / kPasses;

        // One process replaced at every pass: one read, one start check.
        constexpr int kBusyPasses = 2000;
        begin = Clock::now();
        for (int i = 0; i < kBusyPasses; ++i) {
            source.listing[i % count].createTime += 1000000;
            watcher.watchProgramStarts(source, entries, launcher);
        }
        const double busy = std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / kBusyPasses;

        const std::size_t readsPairwise = source.reads;
        const double pairwise = PairwisePassMicros(source, 200);
        const double opensPairwise = double(source.reads - readsPairwise - count) / 200;
        std::printf("%9d %16.2f %15.1f %18.2f %20.1f %19.1f\n", count, idle, opensIdle, busy, pairwise, opensPairwise);
    }
    return 0;
}
