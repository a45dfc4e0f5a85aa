#include "core/app_win.h"

#include <commctrl.h>

#include "engine/start_engine_win.h"

namespace tolvane {

namespace {

void InitialisePlatform() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void LoadEntries(App& app) {
    const std::string path = StoreFilePath();
    if (path.empty()) return;  // no profile folder: the lists stay empty and nothing is saved
    app.store = std::make_unique<EntryStore>(HostFiles(), path, MakeRandomByteSource());
    app.store->load(app.model, app.systemStartMode);
}

// Waits up to 100 ms for one event and handles it. False once the quit
// command has been confirmed.
bool HandleNextEvent(App&) {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kEventWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
    }
    if (msg.message == WM_QUIT) return false;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return true;
}

void RunStartPassIfDue(App& app, WinStartEngine& engine) {
    if (!app.clock.passDue(::GetTickCount())) return;
    engine.runStartPass(app.model, app.systemStartMode, app.clock.programStartTime);
    app.clock.passEnded(::GetTickCount());
}

}  // namespace

int RunTolvane(HINSTANCE instance, const char* commandLine) {
    App app;
    app.instance = instance;
    InitialisePlatform();
    app.systemStartMode = IsSystemStartMode(commandLine ? commandLine : "");

    LoadEntries(app);

    app.clock.start(::GetTickCount());
    WinStartEngine engine;
    engine.takeFirstSnapshot();
    while (HandleNextEvent(app)) RunStartPassIfDue(app, engine);
    return 0;
}

}  // namespace tolvane
