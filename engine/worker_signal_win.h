// The paced workers' signal on Windows: a slim reader/writer lock and a
// condition variable of the system's own.
#pragma once

#include <windows.h>

#include "engine/worker_signal.h"

namespace tolvane {

class WinWorkerSignal : public WorkerSignal {
public:
    void lock() override { ::AcquireSRWLockExclusive(&lock_); }
    void unlock() override { ::ReleaseSRWLockExclusive(&lock_); }
    void waitFor(std::uint32_t ms) override { ::SleepConditionVariableSRW(&changed_, &lock_, ms, 0); }
    void wait() override { ::SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0); }
    void notify() override { ::WakeConditionVariable(&changed_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE changed_ = CONDITION_VARIABLE_INIT;
};

inline std::unique_ptr<WorkerSignal> MakeWinWorkerSignal() { return std::make_unique<WinWorkerSignal>(); }

}  // namespace tolvane
