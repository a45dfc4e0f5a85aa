// One turn of the main loop. Tolvane runs for the user's whole session, so
// at rest it sleeps until a message arrives or the next start pass is due,
// whichever comes first, and wakes for nothing else.
#pragma once

#include <windows.h>

#include <functional>

#include "core/pass_clock.h"

namespace tolvane {

// Takes one message, waiting for it no longer than until `clock` has the next
// pass due, and dispatches it unless `intercept` handles it (true). Returns
// without a message when the wait ends empty; false once the quit message is
// taken. One message per turn, so a stream of messages delays a due pass by
// one message's handling at most.
bool HandleNextMessage(const PassClock& clock, const std::function<bool(MSG&)>& intercept);

}  // namespace tolvane
