// The windows' side of the engine: hands it the entries after each commit,
// starts and checks rows through it, and plays its events into the history,
// the balloon and an open check view, in the order they happened. Everything
// here runs on the windows' thread; the engine runs on its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/app_win.h"
#include "engine/engine_runner_win.h"
#include "engine/start_history.h"
#include "ui/main_window_win.h"
#include "ui/precondition_check_win.h"

namespace tolvane {

class EngineLink {
public:
    // Events are announced by posting kEngineMessage to `window`.
    EngineLink(App& app, HWND window);
    EngineLink(const EngineLink&) = delete;
    EngineLink& operator=(const EngineLink&) = delete;
    ~EngineLink() { stop(); }

    // The entries as committed now.
    void handEntries();
    // Hands the entries over and starts watching.
    void start();
    void startNow(ListKind kind, std::size_t row);
    // Opens the check view of a system-start row at once; its lines fill in
    // as the engine answers. Returns when the user closed it.
    void check(std::size_t row, HWND owner);
    // Plays the events that wait; called on kEngineMessage.
    void takeEvents();
    // No start begins after this; the events so far are played.
    void stop();

    WinEngineRunner& engine() { return engine_; }

private:
    App& app_;
    HistoryEvents history_;
    std::vector<FailedStart> failures_;
    PreconditionCheckView* openCheck_ = nullptr;
    std::uint32_t openCheckRequest_ = 0;
    WinEngineRunner engine_;
};

}  // namespace tolvane
