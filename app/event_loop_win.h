// One turn of the main loop. Tolvane runs for the user's whole session, so
// at rest the windows' thread sleeps until a message arrives; the engine
// runs on threads of its own.
#pragma once

#include <windows.h>

#include <functional>


namespace tolvane {

// Takes one message, waiting for it no longer than `maxWaitMs` (INFINITE:
// until one comes), and dispatches it unless `intercept` handles it (true).
// Returns without a message when the wait ends empty; false once the quit
// message is taken.
bool HandleNextMessage(DWORD maxWaitMs, const std::function<bool(MSG&)>& intercept);

}  // namespace tolvane
