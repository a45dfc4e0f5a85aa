#include "app/run_win.h"

#include <objbase.h>

#include <memory>
#include <utility>

#include "app/autostart_switch_win.h"
#include "app/engine_link_win.h"
#include "app/row_actions_win.h"
#include "ui/com_scope_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "ui/single_instance_win.h"
#include "ui/window_snap_win.h"

#include "app/run_history_win.h"
#include "app/app_win.h"
#include "core/command_line.h"
#include "app/event_loop_win.h"
#include "core/startup_trace_win.h"
#include "core/store_leftovers_win.h"
#include "core/store_location_win.h"
#include "core/wide_text_win.h"
#include "engine/process_list_win.h"
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

// How long the loop may sleep: until the next look at a store that was
// locked at start, while one is awaited; otherwise until a message comes.
// The engine paces itself on its own threads.
DWORD MsUntilNextLook(const App& app) {
    const std::uint32_t now = ::GetTickCount();
    if (!app.store || !app.store->awaitsUnreadableFile() || app.clock.sinceProgramStart(now) > 60000)
        return INFINITE;
    return app.clock.msUntilPassDue(now);
}

void LookAtLockedStore(App& app, MainWindow& window) {
    if (!app.clock.passDue(::GetTickCount())) return;
    app.clock.passEnded(::GetTickCount());
    // A store locked at start is loaded once it can be read.
    if (!app.loadStoreIfNowReadable(::GetTickCount())) return;
    window.entriesChanged(ListKind::SystemStart);
    window.entriesChanged(ListKind::ProgramStart);
    app.flushHistory();
}

}  // namespace

int RunTolvane(HINSTANCE instance, const char* commandLine) {
    App app;
    app.systemStartMode = IsSystemStartMode(commandLine ? commandLine : "");
    app.notify.logonRun = app.systemStartMode;

    // A second copy would start every program-start target twice.
    const InstanceClaim claim = ClaimSingleInstance();
    if (!claim.first) {
        if (!app.systemStartMode) ShowRunningCopy();
        return 0;
    }

    const ImageSet images = ImageSet::Load(instance);
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

    const AutostartPlaces autostart{ResolveStartupFolders(), {}, ProgramPath()};

    const LoadResult loaded = LoadEntries(app);
    TraceStartupMilestone("store-loaded");
    window.entriesChanged(ListKind::SystemStart);
    window.entriesChanged(ListKind::ProgramStart);
    TraceStartupMilestone("lists-filled");

    const UniqueHook snapping = InstallWindowSnapping();

    BeginRunHistory(app, loaded);
    app.clock.start(::GetTickCount());
    EngineLink engine(app, window.window());
    WireRowActions(app, window, engine);
    // Every committed change reaches the engine, before its save is told.
    app.entriesCommitted = [&engine] { engine.handEntries(); };
    // Logoff ends the program without a quit message: the engine stops and
    // a failed save is tried once more, as at quit.
    window.actions.sessionEnding = [&app, &engine] {
        engine.stop();
        app.readyToQuit();
    };
    window.actions.quitting = [&engine] { engine.stop(); };
    engine.start();
    TraceStartupMilestone("engine-started");
    // Told once the engine runs: a message box must not hold up a start.
    if (loaded == LoadResult::LoadedDamaged) app.notify.storeDamaged(app.store->path(), app.store->backupPath());
    // The shortcut is written again at each start, so that a moved program is still found.
    window.showStartAtLogon(KeepAutostart(autostart, app.notify));
    window.actions.switchStartAtLogon = [&window, &app, &autostart] {
        const bool on = !AutostartChosen(autostart.setting);
        SwitchAutostart(on, autostart, app.notify);
        window.showStartAtLogon(on);
    };
    const auto shortcut = [&window](MSG& msg) { return window.translateShortcut(msg); };
    while (HandleNextMessage(MsUntilNextLook(app), shortcut)) LookAtLockedStore(app, window);
    // The quit was confirmed: nothing starts from here on.
    engine.stop();
    app.entriesCommitted = nullptr;
    window.tray().remove();
    app.notify.balloon = nullptr;  // it shows through the window, which goes first
    return 0;
}

}  // namespace tolvane
