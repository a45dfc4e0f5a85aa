// The one path from a save to the user: App's saves and what they tell.
#include "core/app_win.h"
#include "core/store_messages.h"
#include "core/texts.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

std::string SystemErrorText(std::uint32_t code) {
    wchar_t text[512] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, text, 512, nullptr);
    return SystemReason(Utf8OfWide(std::wstring_view(text, length)), code);
}

int Tell(App& app, const std::string& text, UINT flags) {
    const std::string title(fixed_text::kAppName);
    return app.ask ? app.ask(text, title, flags) : ProgramMessageBoxUtf8(text, title, flags);
}

void ReportSave(App& app, const SaveResult& result) {
    const std::string reason = result.saved() ? std::string() : SystemErrorText(result.error);
    const std::string text = SaveReportText(result, app.store->path(), reason);
    if (text.empty()) return;
    Tell(app, text, MB_OK | (result.saved() ? MB_ICONINFORMATION : MB_ICONERROR));
}

}  // namespace

void App::saveEntries() {
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
    const std::string text = QuitUnsavedText(store->path(), SystemErrorText(result.error));
    return Tell(*this, text, MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2) == IDOK;
}

bool App::loadStoreIfNowReadable(std::uint32_t now) {
    return store && store->loadIfNowReadable(model, systemStartMode, clock.sinceProgramStart(now));
}

}  // namespace tolvane
