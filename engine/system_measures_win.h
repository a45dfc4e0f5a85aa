// The live readings behind the preconditions, taken from Windows.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/ping_output.h"
#include "engine/precondition_eval.h"
#include "engine/process_source_win.h"
#include "engine/processor_load.h"
#include "engine/running_programs.h"

namespace tolvane {

// ping.exe in the system folder: named in full so no program search can pick
// up a different ping beside Tolvane or in the current folder.
std::string SystemPingPath();

class WinSystemMeasures : public SystemMeasures {
public:
    std::uint32_t tickCount() override;
    DiskFigures diskC() override;
    MemoryFigures memory() override;
    std::string userName() override;
    PathKind probePath(std::string_view path) override;
    // Runs the ping and waits for it: for callers that may wait.
    std::optional<bool> internetConnected() override { return pingConnected(nullptr); }
    // Ends the ping early, as unanswered, once `cancelled` is set.
    bool pingConnected(const std::atomic<bool>* cancelled);
    // A reading of the system's times at each call, kept for ten seconds.
    std::optional<int> processorLoad() override;
    std::string runningProgram(std::string_view trigger) override;

    // Open for tests, which point them at a stub and at loopback.
    std::string pingProgram = SystemPingPath();
    std::string pingTarget{kPingTarget};
    std::uint32_t pingTimeoutMs = 5000;

private:
    LoadWindow load_;
    std::optional<WinProcessSource> processes_;  // made when first needed: its buffer is large
    RunningPrograms programs_;
};

}  // namespace tolvane
