// The row commands that act at once: "Jetzt starten" and
// "Vorraussetzungen prüfen". Both go through the engine the passes use.
#pragma once

#include <cstddef>
#include <vector>

#include "core/app_win.h"
#include "engine/check_lines.h"
#include "engine/start_engine_win.h"

namespace tolvane {

// Starts the row's entry as a pass would, records it in the history and,
// when it fails, shows it. A row that no longer exists does nothing.
void StartEntryNow(App& app, WinStartEngine& engine, ListKind kind, std::size_t row);

// One line per precondition item of a system-start row, measured now;
// changes nothing. Empty for a row without preconditions or out of range.
std::vector<CheckLine> CheckEntryNow(App& app, WinStartEngine& engine, std::size_t row);

}  // namespace tolvane
