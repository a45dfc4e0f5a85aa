// The live readings behind the preconditions, taken from Windows.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "engine/ping_output.h"
#include "engine/precondition_eval.h"

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

    // Open for tests, which point them at a stub and at loopback.
    std::string pingProgram = SystemPingPath();
    std::string pingTarget{kPingTarget};
    std::uint32_t pingTimeoutMs = 5000;
};

}  // namespace tolvane
