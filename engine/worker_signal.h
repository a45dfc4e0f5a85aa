// What a paced worker waits on between passes: a lock and one condition.
// The standard library's serves everywhere; the Windows program gives its
// workers the system's own, which wakes once per timed wait where the
// threading library's goes to the scheduler about four times (under Wine:
// the wait and three more trips to the Wine server), twice a second for the
// program's whole life.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace tolvane {

class WorkerSignal {
public:
    virtual ~WorkerSignal() = default;
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // With the lock held: gives it up while waiting and holds it again
    // after. May return early, as any condition wait may.
    virtual void waitFor(std::uint32_t ms) = 0;
    virtual void wait() = 0;
    virtual void notify() = 0;
};

class StandardSignal : public WorkerSignal {
public:
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    void waitFor(std::uint32_t ms) override;
    void wait() override;
    void notify() override { changed_.notify_one(); }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

using MakeWorkerSignal = std::unique_ptr<WorkerSignal> (*)();
inline std::unique_ptr<WorkerSignal> MakeStandardSignal() { return std::make_unique<StandardSignal>(); }

}  // namespace tolvane
