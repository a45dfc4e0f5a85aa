#include "start_engine.h"

#include "engine/start_pass.h"

namespace tolvane {

void StartEngine::runStartPass(EntryModel& model, bool systemStartMode, std::uint32_t programStartTime) {
    if (systemStartMode) RunSystemStartHalf(model.systemStart, programStartTime, measures_, launcher_, *events_);
    watcher_.watchProgramStarts(processes_, model.programStart, launcher_, *events_);
}

LaunchResult StartEngine::startNow(const StartEntry& entry) {
    return LaunchEntry({StartCause::Manual, entry, {}, {}, 0}, launcher_, *events_);
}

}  // namespace tolvane
