// Start-up milestones for the start-up benchmark. Off unless the variable
// TOLVANE_STARTUP_TRACE names a file; then each milestone appends one line
// "name milliseconds-since-process-creation", then one line
// "memory-kb name working-set peak-working-set" in kilobytes.
#pragma once

namespace tolvane {

void TraceStartupMilestone(const char* name);

}  // namespace tolvane
