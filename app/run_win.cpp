#include "app/run_win.h"

#include <objbase.h>

#include <memory>
#include <utility>

#include "app/row_actions_win.h"
#include "ui/autostart_shortcut_win.h"
#include "ui/com_scope_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "ui/single_instance_win.h"
#include "ui/window_snap_win.h"

#include "app/run_history_win.h"
#include "core/app_win.h"
#include "core/event_loop_win.h"
#include "core/startup_trace_win.h"
#include "core/store_leftovers_win.h"
#include "core/store_location_win.h"
#include "core/wide_text_win.h"
#include "engine/process_list_win.h"
#include "engine/start_engine_win.h"
#include "wizards/wizards_win.h"

namespace tolvane {

namespace {

LoadResult LoadEntries(App& app) {
    const std::string path = StoreFilePath();
    if (path.empty()) return LoadResult::NoFile;  // no profile folder: the lists stay empty and nothing is saved
    // Saves killed midway in earlier runs left their temporary files.
    RemoveSaveLeftovers(path);
    app.store = std::make_unique<EntryStore>(HostFiles(), path, MakeRandomByteSource());
    return app.store->load(app.model, app.systemStartMode);
}

// UTF-8; the folder Tolvane was put in may have a name outside the code page.
// A path the buffer cannot hold whole is no path at all.
std::string ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return Utf8OfWide(std::wstring_view(path.data(), length));
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

// Handles one event, or sleeps until one comes or the next pass is due. False
// once the quit command has been confirmed.
bool HandleNextEvent(App& app, MainWindow& window) {
    return HandleNextMessage(app.clock, [&window](MSG& msg) { return window.translateShortcut(msg); });
}

void RunStartPassIfDue(App& app, MainWindow& window, WinStartEngine& engine) {
    if (!app.clock.passDue(::GetTickCount())) return;
    // A store locked at start is loaded once it can be read, in time for this pass.
    if (app.loadStoreIfNowReadable(::GetTickCount())) {
        window.entriesChanged(ListKind::SystemStart);
        window.entriesChanged(ListKind::ProgramStart);
    }
    engine.runStartPass(app.model, app.systemStartMode, app.clock.programStartTime);
    app.clock.passEnded(::GetTickCount());
    // After the pass's starts, and only when something happened.
    app.flushHistory();
    static bool firstPassTraced = false;
    if (!std::exchange(firstPassTraced, true)) TraceStartupMilestone("first-pass");
}

}  // namespace

int RunTolvane(HINSTANCE instance, const char* commandLine) {
    App app;
    app.instance = instance;
    app.systemStartMode = IsSystemStartMode(commandLine ? commandLine : "");

    // A second copy would start every program-start target twice.
    const InstanceClaim claim = ClaimSingleInstance();
    if (!claim.first) {
        if (!app.systemStartMode) ShowRunningCopy();
        return 0;
    }

    const ImageSet images = ImageSet::Load(instance);
    // Before the window, whose row commands start entries through it.
    HistoryEvents history = RunHistoryEvents(app);
    WinStartEngine engine;
    engine.tell(history);
    MainWindow window(app, images, app.systemStartMode);
    // The shell's open verbs, file icons and dialogs expect COM on the thread;
    // the tray icon does not, so it starts after it.
    const ComScope com;
    WizardHost host{app, window.window(), images, [&window](ListKind kind) { window.entriesChanged(kind); },
                    [] { return RunningProcessNames(); }};
    window.actions.newSystemStart = [&host] { RunNewSystemStartWizard(host); };
    window.actions.editSystemStart = [&host](std::size_t row) { RunSystemStartEdit(host, row); };
    window.actions.newProgramStart = [&host] { RunNewProgramStartWizard(host); };
    window.actions.editProgramStart = [&host](std::size_t row) { RunProgramStartEdit(host, row); };
    WireRowActions(app, window, engine);

    const std::string programPath = ProgramPath();
    if (!programPath.empty()) WriteAutostartShortcut(ResolveStartupFolders(), programPath);

    const LoadResult loaded = LoadEntries(app);
    TraceStartupMilestone("store-loaded");
    window.entriesChanged(ListKind::SystemStart);
    window.entriesChanged(ListKind::ProgramStart);
    TraceStartupMilestone("lists-filled");

    const UniqueHook snapping = InstallWindowSnapping();

    BeginRunHistory(app, loaded);
    app.clock.start(::GetTickCount());
    engine.takeFirstSnapshot();
    while (HandleNextEvent(app, window)) RunStartPassIfDue(app, window, engine);
    window.removeTrayIcon();
    app.showFailure = nullptr;  // it shows through the window, which goes first
    return 0;
}

}  // namespace tolvane
