#include "engine/paced_worker.h"

#include <mutex>
#include <utility>

#include "core/pass_clock.h"

namespace tolvane {

PacedWorker::PacedWorker(std::function<std::uint32_t()> tick, Pass pass, MakeWorkerSignal makeSignal)
    : tick_(std::move(tick)), pass_(std::move(pass)), signal_(makeSignal()) {}

void PacedWorker::start() {
    std::lock_guard<WorkerSignal> lock(*signal_);
    if (thread_.joinable() || stopping_) return;
    lastPassEnd_ = tick_();
    thread_ = std::thread([this] { loop(); });
}

void PacedWorker::post(std::function<void()> job) {
    {
        std::lock_guard<WorkerSignal> lock(*signal_);
        if (stopping_) return;
        jobs_.push_back(std::move(job));
    }
    signal_->notify();
}

void PacedWorker::wake() {
    {
        std::lock_guard<WorkerSignal> lock(*signal_);
        passWanted_ = true;
    }
    signal_->notify();
}

void PacedWorker::stop() {
    {
        std::lock_guard<WorkerSignal> lock(*signal_);
        stopping_ = true;
        jobs_.clear();
    }
    signal_->notify();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void PacedWorker::loop() {
    std::unique_lock<WorkerSignal> lock(*signal_);
    while (!stopping_) {
        if (!jobs_.empty()) {
            std::function<void()> job = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            job();
            lock.lock();
            continue;
        }
        if (passWanted_) {
            PassClock clock;
            clock.lastPassEnd = lastPassEnd_;
            const std::uint32_t wait = clock.msUntilPassDue(tick_());
            if (wait == 0) {
                // A wake during the pass asks for the pass after it.
                passWanted_ = false;
                lock.unlock();
                const bool again = pass_();
                lock.lock();
                passWanted_ = passWanted_ || again;
                lastPassEnd_ = tick_();
                continue;
            }
            signal_->waitFor(wait);
            continue;
        }
        signal_->wait();
    }
}

}  // namespace tolvane
