#include "engine/internet_answers.h"

#include <utility>

namespace tolvane {

InternetAnswers::InternetAnswers(Ask ask, std::function<std::uint32_t()> tick, std::function<void()> answered)
    : ask_(std::move(ask)), tick_(std::move(tick)), answered_(std::move(answered)) {}

void InternetAnswers::stop() {
    std::thread running;
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        running = std::move(thread_);
    }
    if (running.joinable()) running.join();
}

void InternetAnswers::request() {
    std::lock_guard lock(mutex_);
    if (asking_ || cancelled_) return;
    // The previous ask has ended (asking_ is false): its thread only returns.
    if (thread_.joinable()) thread_.join();
    asking_ = true;
    thread_ = std::thread([this] { run(); });
}

void InternetAnswers::run() {
    const bool connected = ask_(cancelled_);
    {
        std::lock_guard lock(mutex_);
        asking_ = false;
        if (cancelled_) return;
        newest_ = InternetAnswer{connected, ++count_, tick_()};
    }
    if (answered_) answered_();
}

std::optional<InternetAnswer> InternetAnswers::newest() const {
    std::lock_guard lock(mutex_);
    return newest_;
}

std::uint64_t InternetAnswers::nextSequence() const {
    std::lock_guard lock(mutex_);
    return count_ + 1;
}

bool InternetAnswers::asking() const {
    std::lock_guard lock(mutex_);
    return asking_;
}

}  // namespace tolvane
