// The system-start half of a start pass: every pending row is evaluated and
// started once its preconditions hold, or dropped for this run once one fails.
#pragma once

#include <cstdint>

#include "core/start_entry.h"
#include "engine/precondition_eval.h"
#include "engine/start_events.h"
#include "engine/start_target.h"

namespace tolvane {

void RunSystemStartHalf(EntryList& systemStart, std::uint32_t programStartTime, SystemMeasures& measures,
                        Launcher& launcher, StartEvents& events = NoStartEvents(),
                        StartGate& gate = OpenStartGate());

}  // namespace tolvane
