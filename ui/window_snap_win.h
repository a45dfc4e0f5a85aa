// Edge snapping of every top-level window of the program, the wizards
// included: a thread-wide hook hands each new top-level window a subclass
// that adjusts every proposed position.
#pragma once

#include "core/unique_handle_win.h"

namespace tolvane {

// Installs the hook for the calling thread and snaps the thread's existing
// top-level windows too; new windows are snapped until the handle goes.
UniqueHook InstallWindowSnapping();

}  // namespace tolvane
