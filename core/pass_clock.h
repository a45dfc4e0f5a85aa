// Run-wide tick values that pace the start passes. Tick counts are the
// system's 32-bit millisecond uptime counter and wrap after 49.7 days, so
// every comparison is a signed difference.
#pragma once

#include <cstdint>

namespace tolvane {

inline constexpr std::int32_t kPassIntervalMs = 500;

inline std::int32_t TickDifference(std::uint32_t later, std::uint32_t earlier) {
    return static_cast<std::int32_t>(later - earlier);
}

struct PassClock {
    std::uint32_t lastPassEnd = 0;
    std::uint32_t programStartTime = 0;

    void start(std::uint32_t now) { lastPassEnd = programStartTime = now; }
    bool passDue(std::uint32_t now) const { return TickDifference(now, lastPassEnd) > kPassIntervalMs; }
    // How long the main loop may sleep before the next pass is due: 0 once it
    // is due. A tick count behind the last pass's end (a clock read before
    // it) waits one whole interval, never longer.
    std::uint32_t msUntilPassDue(std::uint32_t now) const {
        const std::int32_t since = TickDifference(now, lastPassEnd);
        if (since > kPassIntervalMs) return 0;
        if (since < 0) return kPassIntervalMs + 1;
        return static_cast<std::uint32_t>(kPassIntervalMs + 1 - since);
    }
    void passEnded(std::uint32_t now) { lastPassEnd = now; }
    std::int32_t sinceProgramStart(std::uint32_t now) const { return TickDifference(now, programStartTime); }
};

}  // namespace tolvane
