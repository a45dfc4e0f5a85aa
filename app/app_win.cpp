// App's saves and what they tell.
#include "app/app_win.h"

#include "core/store_history.h"
#include "core/store_messages.h"
#include "core/system_reason_win.h"
#include "core/texts.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

void ReportSave(App& app, const SaveResult& result) {
    const std::string reason = result.saved() ? std::string() : SystemErrorReason(result.error);
    for (const std::string& line : StoreSavedTexts(result, app.store->path(), reason)) app.record(line);
    app.flushHistory();
    app.notify.saveReported(result, app.store->path(), reason);
}

}  // namespace

App::App() {
    // A notice that goes only to the history is written at once.
    notify.record = [this](const std::string& line) {
        record(line);
        flushHistory();
    };
}

void App::commitEntries() {
    if (entriesCommitted) entriesCommitted();
    if (!store) return;
    const SaveResult result = store->save(model);
    unsaved = !result.saved();
    ReportSave(*this, result);
}

bool App::readyToQuit() {
    if (!store || !unsaved) return true;
    const SaveResult result = store->save(model);
    unsaved = !result.saved();
    if (result.saved()) {
        ReportSave(*this, result);  // only tells where an old file was kept, if it was
        return true;
    }
    const std::string reason = SystemErrorReason(result.error);
    for (const std::string& line : StoreSavedTexts(result, store->path(), reason)) record(line);
    flushHistory();
    return notify.quitUnsaved(store->path(), reason);
}

bool App::loadStoreIfNowReadable(std::uint32_t now) {
    if (!store || !store->loadIfNowReadable(model, systemStartMode, clock.sinceProgramStart(now))) return false;
    const LoadResult loaded = store->lastLoad();
    record(StoreLoadedText(loaded, store->path(), model.systemStart.size(), model.programStart.size(),
                           store->backupPath()));
    flushHistory();
    if (entriesCommitted) entriesCommitted();
    if (loaded == LoadResult::LoadedDamaged) notify.storeDamaged(store->path(), store->backupPath());
    return true;
}

void App::record(const std::string& text) {
    if (history) history->add(text);
}

void App::flushHistory() {
    if (history) history->flush();
}

}  // namespace tolvane
