#include "engine/start_pass.h"

namespace tolvane {

void RunSystemStartHalf(EntryList& systemStart, std::uint32_t programStartTime, SystemMeasures& measures,
                        Launcher& launcher) {
    // The shell may pump window messages inside a start, and a handler may
    // change the list: the row is indexed afresh and its mark cleared before
    // the start, so a shifted list can never cost another row its mark.
    for (std::size_t row = 0; row < systemStart.size(); ++row) {
        if (systemStart[row].pending == 0) continue;
        const StartEntry entry = systemStart[row].entry;
        switch (EvaluateEntryPreconditions(entry.condition, programStartTime, measures)) {
        case EntryOutcome::Waiting:
            break;
        case EntryOutcome::Failed:
            systemStart[row].pending = 0;
            break;
        case EntryOutcome::Start:
            systemStart[row].pending = 0;
            launcher.start(entry.path, entry.parameters, IsHidden(entry));
            break;
        }
    }
}

}  // namespace tolvane
