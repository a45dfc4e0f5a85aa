// What the rows' menu and the history item do: start an entry now, check
// its preconditions, open the start history; and where a failure is shown.
#pragma once

#include "app/engine_link_win.h"
#include "app/app_win.h"
#include "ui/main_window_win.h"

namespace tolvane {

// Sets the window's startNow, checkPreconditions and showHistory actions,
// all through the engine the passes use, and shows the app's failures as a
// balloon at the window's tray icon. All three must outlive the window's use
// of them.
void WireRowActions(App& app, MainWindow& window, EngineLink& engine);

}  // namespace tolvane
