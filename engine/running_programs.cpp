#include "engine/running_programs.h"

#include "core/pass_clock.h"

namespace tolvane {

std::string RunningPrograms::find(ProcessSource& source, std::uint32_t tick, std::string_view trigger) {
    if (!listed_ || TickDifference(tick, listedAt_) >= kFreshMs || TickDifference(tick, listedAt_) < 0) {
        listing_.update(source);
        listed_ = true;
        listedAt_ = tick;
    }
    return listing_.findRunning(trigger);
}

}  // namespace tolvane
