#include "engine/processor_load.h"

#include "core/pass_clock.h"

namespace tolvane {

void LoadWindow::add(std::uint32_t tick, ProcessorTimes times) {
    if (!readings_.empty()) {
        const Reading& last = readings_.back();
        // Times that run backwards are no times to average over.
        if (times.total < last.times.total || times.idle < last.times.idle) readings_.clear();
        else if (TickDifference(tick, last.tick) < kShortestSpacingMs) return;
    }
    readings_.push_back({tick, times});
    // The front becomes the youngest reading at least a window old.
    while (readings_.size() > 1 && TickDifference(tick, readings_[1].tick) >= kWindowMs) readings_.pop_front();
    if (readings_.size() > 1 && TickDifference(tick, readings_.front().tick) > kWindowMs + kLongestGapMs)
        readings_.pop_front();
}

std::optional<int> LoadWindow::percent() const {
    if (readings_.size() < 2) return std::nullopt;
    const Reading& first = readings_.front();
    const Reading& last = readings_.back();
    if (TickDifference(last.tick, first.tick) < kWindowMs) return std::nullopt;
    const std::uint64_t total = last.times.total - first.times.total;
    const std::uint64_t idle = last.times.idle - first.times.idle;
    if (total == 0 || idle >= total) return 0;
    return static_cast<int>((total - idle) * 100 / total);
}

}  // namespace tolvane
