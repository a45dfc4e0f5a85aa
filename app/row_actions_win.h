// What the rows' menu and the history item do: start an entry now, check
// its preconditions, open the start history.
#pragma once

#include "core/app_win.h"
#include "ui/main_window_win.h"

namespace tolvane {

// Sets the window's startNow, checkPreconditions and showHistory actions.
// Both objects must outlive the window's use of them.
void WireRowActions(App& app, MainWindow& window);

}  // namespace tolvane
