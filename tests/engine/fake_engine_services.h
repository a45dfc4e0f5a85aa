// Scripted measurements, launcher and process list for the engine's tests
// and benchmark.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/precondition_eval.h"
#include "engine/process_watcher.h"
#include "engine/start_target.h"

namespace tolvane::testing {

struct FakeMeasures : SystemMeasures {
    std::uint32_t now = 0;
    DiskFigures disk;
    MemoryFigures mem;
    std::string user = "anna";
    std::map<std::string, PathKind> paths;  // anything else is missing
    bool connected = true;
    std::optional<int> load = 0;
    std::vector<std::string> running;  // paths of the running processes
    int internetTests = 0;
    int readings = 0;

    std::uint32_t tickCount() override { return ++readings, now; }
    DiskFigures diskC() override { return ++readings, disk; }
    MemoryFigures memory() override { return ++readings, mem; }
    std::string userName() override { return ++readings, user; }
    PathKind probePath(std::string_view path) override {
        ++readings;
        const auto it = paths.find(std::string(path));
        return it == paths.end() ? PathKind::Missing : it->second;
    }
    std::optional<bool> internetConnected() override { return ++readings, ++internetTests, connected; }
    std::optional<int> processorLoad() override { return ++readings, load; }
    std::string runningProgram(std::string_view trigger) override {
        ++readings;
        for (const std::string& path : running)
            if (TriggerMatches(trigger, path)) return path;
        return {};
    }
};

struct Start {
    std::string target, parameters;
    bool hidden = false;
    bool operator==(const Start&) const = default;
};

struct RecordingLauncher : Launcher {
    std::vector<Start> starts;
    // The system's error code the starts fail with; 0: they succeed.
    std::uint32_t error = 0;
    // Runs inside a start, as window messages the shell pumps there would.
    std::function<void()> duringStart;
    LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) override {
        starts.push_back({target, parameters, hidden});
        if (duringStart) duringStart();
        return {error};
    }
};

// Processes by identity; paths as the system would report them.
struct FakeProcessSource : ProcessSource {
    struct Process {
        ProcessIdentity identity;
        std::string path;
    };
    std::vector<Process> processes;
    std::size_t pathReads = 0;
    std::uint64_t clock = 1000;

    ProcessIdentity run(std::string path, std::uint32_t id = 0) {
        if (id == 0) id = static_cast<std::uint32_t>(processes.size() * 4 + 8);
        processes.push_back({{id, ++clock}, std::move(path)});
        return processes.back().identity;
    }
    void end(const ProcessIdentity& identity) {
        std::erase_if(processes, [&](const Process& p) { return p.identity == identity; });
    }
    void listProcesses(std::vector<ProcessIdentity>& out) override {
        out.clear();
        for (const Process& p : processes) out.push_back(p.identity);
    }
    std::string processPath(const ProcessIdentity& identity) override {
        ++pathReads;
        for (const Process& p : processes)
            if (p.identity == identity) return p.path;
        return {};
    }
};

}  // namespace tolvane::testing
