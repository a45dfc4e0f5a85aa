// The program from start-up to shutdown: wires the windows, the engine and
// the wizards around the run-wide state.
#pragma once

#include <windows.h>

namespace tolvane {

// Start-up, main loop and shutdown; returns the process exit code.
int RunTolvane(HINSTANCE instance, const char* commandLine);

}  // namespace tolvane
