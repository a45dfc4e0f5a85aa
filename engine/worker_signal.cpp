#include "engine/worker_signal.h"

#include <chrono>

namespace tolvane {

// The lock is already held by the caller: adopted for the wait, released
// back to the caller's hands after it.
void StandardSignal::waitFor(std::uint32_t ms) {
    std::unique_lock lock(mutex_, std::adopt_lock);
    changed_.wait_for(lock, std::chrono::milliseconds(ms));
    lock.release();
}

void StandardSignal::wait() {
    std::unique_lock lock(mutex_, std::adopt_lock);
    changed_.wait(lock);
    lock.release();
}

}  // namespace tolvane
