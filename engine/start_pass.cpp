#include "engine/start_pass.h"

namespace tolvane {

void RunSystemStartHalf(EntryList& systemStart, std::uint32_t programStartTime, SystemMeasures& measures,
                        Launcher& launcher) {
    // The count is read before every row: nothing here changes the list, but
    // the rows are indexed afresh rather than held by reference across starts.
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
            launcher.start(entry.path, entry.parameters, IsHidden(entry));
            if (row < systemStart.size()) systemStart[row].pending = 0;
            break;
        }
    }
}

}  // namespace tolvane
