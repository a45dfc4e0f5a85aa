// The one path from a save to the user: App's saves and what they tell.
#include "core/app_win.h"
#include "core/store_history.h"
#include "core/store_messages.h"
#include "core/system_reason_win.h"
#include "core/texts.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

int Tell(App& app, const std::string& text, UINT flags) {
    const std::string title(fixed_text::kAppName);
    return app.ask ? app.ask(text, title, flags) : ProgramMessageBoxUtf8(text, title, flags);
}

void ReportSave(App& app, const SaveResult& result) {
    const std::string reason = result.saved() ? std::string() : SystemErrorReason(result.error);
    for (const std::string& line : StoreSavedTexts(result, app.store->path(), reason)) app.record(line);
    app.flushHistory();
    const std::string text = SaveReportText(result, app.store->path(), reason);
    if (text.empty()) return;
    Tell(app, text, MB_OK | (result.saved() ? MB_ICONINFORMATION : MB_ICONERROR));
}

}  // namespace

void App::saveEntries() {
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
    const std::string text = QuitUnsavedText(store->path(), reason);
    return Tell(*this, text, MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2) == IDOK;
}

bool App::loadStoreIfNowReadable(std::uint32_t now) {
    if (!store || !store->loadIfNowReadable(model, systemStartMode, clock.sinceProgramStart(now))) return false;
    record(StoreLoadedText(LoadResult::Loaded, store->path(), model.systemStart.size(), model.programStart.size()));
    if (entriesCommitted) entriesCommitted();
    return true;
}

void App::record(const std::string& text) {
    if (history) history->add(text);
}

void App::flushHistory() {
    if (history) history->flush();
}

}  // namespace tolvane
