// A thread that runs its pass more than 500 ms after the previous pass ended,
// as the main loop once did, and the jobs handed to it in between, in the
// order they came. At rest, with no pass wanted, it sleeps until a job or a
// wake comes: nothing runs for nothing.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

#include "engine/worker_signal.h"

namespace tolvane {

class PacedWorker {
public:
    // `pass` returns whether another pass is wanted.
    using Pass = std::function<bool()>;
    PacedWorker(std::function<std::uint32_t()> tick, Pass pass, MakeWorkerSignal makeSignal = &MakeStandardSignal);
    ~PacedWorker() { stop(); }
    PacedWorker(const PacedWorker&) = delete;
    PacedWorker& operator=(const PacedWorker&) = delete;

    // The first pass comes one interval after this.
    void start();
    void post(std::function<void()> job);
    // A pass is wanted again (the work changed).
    void wake();
    // Runs no job or pass after the one running now, and waits for it.
    void stop();

private:
    void loop();

    std::function<std::uint32_t()> tick_;
    Pass pass_;
    std::unique_ptr<WorkerSignal> signal_;
    std::deque<std::function<void()>> jobs_;
    bool passWanted_ = true;
    bool stopping_ = false;
    std::uint32_t lastPassEnd_ = 0;
    std::thread thread_;
};

}  // namespace tolvane
