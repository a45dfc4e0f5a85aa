#include "app/entry_now_win.h"

namespace tolvane {

void StartEntryNow(App& app, WinStartEngine& engine, ListKind kind, std::size_t row) {
    const EntryList& list = app.model.list(kind);
    if (row >= list.size()) return;
    // A copy: the shell may pump messages while it opens the file.
    const StartEntry entry = list[row].entry;
    engine.startNow(entry);
    app.flushHistory();
}

std::vector<CheckLine> CheckEntryNow(App& app, WinStartEngine& engine, std::size_t row) {
    if (row >= app.model.systemStart.size()) return {};
    const StartEntry entry = app.model.systemStart[row].entry;
    return CheckLinesOf(engine.checkPreconditions(entry, app.clock.programStartTime));
}

}  // namespace tolvane
