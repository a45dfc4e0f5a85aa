#include "engine/start_engine.h"

#include "engine/start_pass.h"

namespace tolvane {

void StartEngine::runStartPass(EntryModel& model, bool systemStartMode, std::uint32_t programStartTime) {
    if (systemStartMode) RunSystemStartHalf(model.systemStart, programStartTime, measures_, launcher_);
    watcher_.watchProgramStarts(processes_, model.programStart, launcher_);
}

}  // namespace tolvane
