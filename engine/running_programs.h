// Which programs run now, for the "Programm ... läuft" precondition. It keeps
// its own listing (the watcher's belongs to another thread) and reads each
// process's path once, as the watcher does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/process_watcher.h"

namespace tolvane {

class RunningPrograms {
public:
    // A listing this young serves every item of a pass.
    static constexpr std::int32_t kFreshMs = 250;

    // The path of a running process the trigger matches, exactly as a
    // program-start trigger would; empty when none runs.
    std::string find(ProcessSource& source, std::uint32_t tick, std::string_view trigger);

private:
    ProcessWatcher listing_;
    bool listed_ = false;
    std::uint32_t listedAt_ = 0;
};

}  // namespace tolvane
