// The processor load over the last ten seconds, from successive readings of
// the system's idle and busy times (all processors together). Readings are
// taken only while someone asks, so the window fills anew after a pause.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace tolvane {

// Cumulative times since boot, in any one unit; `total` holds the idle time.
struct ProcessorTimes {
    std::uint64_t idle = 0;
    std::uint64_t total = 0;
};

class LoadWindow {
public:
    static constexpr std::int32_t kWindowMs = 10000;
    // Readings further apart than this leave a gap the average would smooth
    // over: the window starts afresh after it.
    static constexpr std::int32_t kLongestGapMs = 5000;
    // A reading this soon after the last adds nothing to a ten-second mean.
    static constexpr std::int32_t kShortestSpacingMs = 200;

    void add(std::uint32_t tick, ProcessorTimes times);
    // Busy share of the last ten seconds in whole percent, rounded down (so
    // "below 20" of the shown figure means below 20 of the true one); none
    // until the readings span ten seconds.
    std::optional<int> percent() const;

private:
    struct Reading {
        std::uint32_t tick = 0;
        ProcessorTimes times;
    };
    std::deque<Reading> readings_;
};

}  // namespace tolvane
