// Edge snapping of every top-level window of the program, the wizards
// included: one thread-wide hook adjusts each proposed position.
#pragma once

#include "core/unique_handle_win.h"

namespace tolvane {

// Installs the hook for the calling thread; it stays until the handle goes.
UniqueHook InstallWindowSnapping();

}  // namespace tolvane
