#include "app/run_history_win.h"

#include "core/history_win.h"
#include "core/store_history.h"
#include "core/system_reason_win.h"

namespace tolvane {

void BeginRunHistory(App& app, LoadResult loaded) {
    const std::string path = HistoryFilePath();
    if (path.empty()) return;
    app.history = std::make_unique<HistoryFile>(HostFiles(), path, LocalTimeNow, SystemErrorReason);
    const std::size_t systemEntries = app.model.systemStart.size(), programEntries = app.model.programStart.size();
    app.record(RunStartedText(app.systemStartMode, systemEntries, programEntries));
    if (app.store)
        app.record(StoreLoadedText(loaded, app.store->path(), systemEntries, programEntries, app.store->backupPath()));
    app.flushHistory();
}

HistoryEvents RunHistoryEvents(App& app) {
    HistoryEvents events;
    events.record = [&app](const std::string& text) { app.record(text); };
    events.reasonOf = SystemErrorReason;
    return events;
}

}  // namespace tolvane
