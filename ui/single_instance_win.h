// One running copy per user session: a second one would start every
// program-start target twice.
#pragma once

#include "core/unique_handle_win.h"

namespace tolvane {

inline constexpr wchar_t kInstanceMutexName[] = L"Local\\Tolvane.Instance.7f3c2a";

struct InstanceClaim {
    UniqueKernelHandle mutex;
    bool first = false;
};

// Claims the session-wide mark; first is false when another copy holds it.
InstanceClaim ClaimSingleInstance(const wchar_t* name = kInstanceMutexName);

// How long a second start waits for the running copy's window: a copy
// started at the same moment may not have made it yet.
inline constexpr unsigned long kRunningCopyPatienceMs = 10000;

// Asks the running copy to show its main window (of `windowClass`), waiting
// for it while that copy is still starting; false when none appeared.
bool ShowRunningCopy(const wchar_t* windowClass = nullptr, unsigned long patienceMs = kRunningCopyPatienceMs);

}  // namespace tolvane
