// The synchronous engine with the real Windows readings, launcher and process
// source.
#pragma once

#include "engine/process_source_win.h"
#include "start_engine.h"
#include "engine/start_target_win.h"
#include "engine/system_measures_win.h"

namespace tolvane {

class WinStartEngine {
public:
    WinStartEngine() = default;
    WinStartEngine(const WinStartEngine&) = delete;
    WinStartEngine& operator=(const WinStartEngine&) = delete;

    void takeFirstSnapshot() { engine_.takeFirstSnapshot(); }
    void runStartPass(EntryModel& model, bool systemStartMode, std::uint32_t programStartTime) {
        engine_.runStartPass(model, systemStartMode, programStartTime);
    }
    LaunchResult startNow(const StartEntry& entry) { return engine_.startNow(entry); }
    std::vector<ItemReading> checkPreconditions(const StartEntry& entry, std::uint32_t programStartTime) {
        return engine_.checkPreconditions(entry, programStartTime);
    }
    void tell(StartEvents& events) { engine_.tell(events); }

private:
    // Declared before the engine, which holds references to them.
    WinSystemMeasures measures_;
    WinLauncher launcher_;
    WinProcessSource processes_;
    StartEngine engine_{measures_, launcher_, processes_};
};

}  // namespace tolvane
