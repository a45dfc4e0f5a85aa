// The engine on its threads with Windows' readings, launcher and process
// source; one object, owned by the program for the whole run.
#pragma once

#include <windows.h>

#include <functional>

#include "engine/engine_runner.h"
#include "engine/process_source_win.h"
#include "engine/start_target_win.h"
#include "engine/system_measures_win.h"
#include "engine/worker_signal_win.h"

namespace tolvane {

class WinEngineRunner {
public:
    WinEngineRunner(bool systemStartMode, std::uint32_t programStartTime, std::function<void()> eventsWaiting,
                    std::function<void()> firstPassDone = {})
        : runner_(EngineParts{measures_, launcher_, processes_,
                              [this](const std::atomic<bool>& cancelled) {
                                  return measures_.pingConnected(&cancelled);
                              },
                              [] { return static_cast<std::uint32_t>(::GetTickCount()); }, std::move(firstPassDone),
                              &MakeWinWorkerSignal},
                  systemStartMode, programStartTime, std::move(eventsWaiting)) {}
    WinEngineRunner(const WinEngineRunner&) = delete;
    WinEngineRunner& operator=(const WinEngineRunner&) = delete;

    EngineRunner& runner() { return runner_; }
    // Tests point the internet test at a stub and at loopback before start().
    WinSystemMeasures& measures() { return measures_; }

private:
    // Declared before the runner, whose threads use them until it stops.
    WinSystemMeasures measures_;
    WinLauncher launcher_;
    WinProcessSource processes_;
    EngineRunner runner_;
};

}  // namespace tolvane
