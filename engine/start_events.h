// What the engine tells about its starts and decisions: the start pass, the
// watcher and "start now" report here, and the program writes its history
// (and shows a failed start) from these calls. Every call comes after the
// fact, so listening never delays a start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/start_entry.h"
#include "engine/precondition_eval.h"
#include "engine/start_target.h"

namespace tolvane {

enum class StartCause { SystemStart, Trigger, Manual };

struct StartReport {
    StartCause cause = StartCause::SystemStart;
    StartEntry entry;
    std::string commandLine;  // as BuildCommandLine makes it
    std::string triggerPath;  // the program that fired a program-start entry
    std::int32_t msSinceStart = 0;  // of Tolvane, for system-start entries
    // System start: what the items that waited for a change measured.
    std::vector<ItemReading> waitedFor;
};

struct StartEvents {
    virtual ~StartEvents() = default;
    virtual void started(const StartReport&) {}
    // `error` is the system's error code.
    virtual void startFailed(const StartReport&, std::uint32_t /*error*/) {}
    // Once per entry and run, when it first waits; `item` is what it waits for.
    virtual void waiting(const StartEntry&, const ItemReading& /*item*/) {}
    // The entry is not started in this run; `item` is the item that failed.
    virtual void ruledOut(const StartEntry&, const ItemReading& /*item*/) {}
};

// Listens to nothing, for callers that have no one to tell.
StartEvents& NoStartEvents();

// Asked right before every start of a row: false keeps it from starting
// (the windows changed or removed it after the engine took its copy, or the
// program is ending).
struct StartGate {
    virtual ~StartGate() = default;
    virtual bool mayStart(ListKind, const EntryRow&) { return true; }
};

// Lets every start through, for callers that hand the engine no changes.
StartGate& OpenStartGate();

// Starts report.entry with its parameters and "Unsichtbar" flag, the one way
// every start goes (pass, watcher, "start now"), and reports how it went.
LaunchResult LaunchEntry(StartReport report, Launcher& launcher, StartEvents& events);

}  // namespace tolvane
