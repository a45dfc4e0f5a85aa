// One running copy per user session: a second one would start every
// program-start target twice.
#pragma once

#include "core/unique_handle_win.h"

namespace tolvane {

inline constexpr char kInstanceMutexName[] = "Local\\Tolvane.Instance.7f3c2a";

struct InstanceClaim {
    UniqueKernelHandle mutex;
    bool first = false;
};

// Claims the session-wide mark; first is false when another copy holds it.
InstanceClaim ClaimSingleInstance(const char* name = kInstanceMutexName);

// Asks the running copy to show its main window; false when none was found.
bool ShowRunningCopy();

}  // namespace tolvane
