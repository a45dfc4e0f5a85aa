// The start history of one run: opened beside the store after loading, fed
// by the engine's events and by the store's saves.
#pragma once

#include "app/app_win.h"
#include "core/entry_store.h"
#include "engine/start_history.h"

namespace tolvane {

// Opens the history and records the start of this run and the store's load.
void BeginRunHistory(App& app, LoadResult loaded);

// The engine's listener for this run: writes to app's history.
HistoryEvents RunHistoryEvents(App& app);

}  // namespace tolvane
