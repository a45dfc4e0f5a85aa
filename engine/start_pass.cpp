#include "engine/start_pass.h"

#include "core/pass_clock.h"

namespace tolvane {

void RunSystemStartHalf(EntryList& systemStart, std::uint32_t programStartTime, SystemMeasures& measures,
                        Launcher& launcher, StartEvents& events, StartGate& gate) {
    // The shell may pump window messages inside a start, and a handler may
    // change the list: the row is indexed afresh and its mark cleared before
    // the start, so a shifted list can never cost another row its mark.
    for (std::size_t row = 0; row < systemStart.size(); ++row) {
        if (systemStart[row].pending == 0) continue;
        const StartEntry entry = systemStart[row].entry;
        EntryVerdict verdict = JudgeEntryPreconditions(entry.condition, programStartTime, measures);
        switch (verdict.outcome) {
        case EntryOutcome::Waiting:
            // Waiting for a measurement's answer is no waiting for the entry.
            if (!systemStart[row].waitNoted && !verdict.deciding->measuring) {
                systemStart[row].waitNoted = true;
                events.waiting(entry, *verdict.deciding);
            }
            break;
        case EntryOutcome::Failed:
            systemStart[row].pending = 0;
            events.ruledOut(entry, *verdict.deciding);
            break;
        case EntryOutcome::Start: {
            systemStart[row].pending = 0;
            if (!gate.mayStart(ListKind::SystemStart, systemStart[row])) break;
            StartReport report{StartCause::SystemStart, entry, {}, {}, 0};
            report.msSinceStart = TickDifference(measures.tickCount(), programStartTime);
            report.waitedFor = std::move(verdict.waitedFor);
            LaunchEntry(std::move(report), launcher, events);
            break;
        }
        }
    }
}

}  // namespace tolvane
