// The internet test runs beside the engine: at most one ask at a time, and
// nobody waits for it. Whoever needs an answer takes the newest one that is
// fresh enough for it, or asks and comes back later.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tolvane {

struct InternetAnswer {
    bool connected = false;
    // Counts the answers: 1 for the first. Tells an answer that came after
    // a given moment from one that came before it.
    std::uint64_t sequence = 0;
    std::uint32_t tick = 0;  // when it came
};

class InternetAnswers {
public:
    // `ask` runs on a thread of its own and may take long; it ends early,
    // as unanswered, once its argument is set. `answered` is called on that
    // thread after each answer.
    using Ask = std::function<bool(const std::atomic<bool>& cancelled)>;
    InternetAnswers(Ask ask, std::function<std::uint32_t()> tick, std::function<void()> answered);
    ~InternetAnswers() { stop(); }
    InternetAnswers(const InternetAnswers&) = delete;
    InternetAnswers& operator=(const InternetAnswers&) = delete;

    // Starts an ask unless one is running.
    void request();
    std::optional<InternetAnswer> newest() const;
    // Sequence the next answer will carry: an answer at or above it came
    // after this call.
    std::uint64_t nextSequence() const;
    bool asking() const;
    // Ends a running ask early and asks no more.
    void stop();

private:
    void run();

    Ask ask_;
    std::function<std::uint32_t()> tick_;
    std::function<void()> answered_;
    mutable std::mutex mutex_;
    std::optional<InternetAnswer> newest_;
    std::uint64_t count_ = 0;
    bool asking_ = false;
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

}  // namespace tolvane
