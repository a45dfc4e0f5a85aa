// The engine's parts as one synchronous object: the system-start half and the
// watcher over injected measurements, launcher and process source, so a test
// drives passes one by one instead of through the engine's threads.
#pragma once

#include <cstdint>

#include <vector>

#include "core/start_entry.h"
#include "engine/precondition_eval.h"
#include "engine/start_events.h"
#include "engine/process_watcher.h"
#include "engine/start_target.h"

namespace tolvane {

class StartEngine {
public:
    StartEngine(SystemMeasures& measures, Launcher& launcher, ProcessSource& processes)
        : measures_(measures), launcher_(launcher), processes_(processes) {}

    // Once at start-up, after the store is loaded and the clock started.
    void takeFirstSnapshot() { watcher_.takeFirstSnapshot(processes_); }

    // One start pass: the system-start half only in system-start mode, then
    // the watcher. The caller records the pass end.
    void runStartPass(EntryModel& model, bool systemStartMode, std::uint32_t programStartTime);

    // Starts an entry at once, as a pass would, whatever its preconditions
    // or trigger; changes no mark.
    LaunchResult startNow(const StartEntry& entry);
    // Every precondition item measured now, as a pass would measure it.
    std::vector<ItemReading> checkPreconditions(const StartEntry& entry, std::uint32_t programStartTime) {
        return CheckPreconditions(entry.condition, programStartTime, measures_);
    }

    // Who hears of starts and decisions from now on.
    void tell(StartEvents& events) { events_ = &events; }

private:
    SystemMeasures& measures_;
    Launcher& launcher_;
    ProcessSource& processes_;
    ProcessWatcher watcher_;
    StartEvents* events_ = &NoStartEvents();
};

}  // namespace tolvane
