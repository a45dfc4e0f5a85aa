// The program from start-up to shutdown: wires the windows, the engine and
// the wizards around the run-wide state.
#pragma once

#include <windows.h>

namespace tolvane {

// Start-up, main loop and shutdown; returns the process exit code. The
// command line is the wide one, in UTF-8.
int RunTolvane(HINSTANCE instance, const char* commandLine);

}  // namespace tolvane
