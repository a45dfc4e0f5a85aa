// The start engine on threads of its own, beside the windows: the watcher on
// one, the system-start half, checks and starts at once on another, the
// internet test on a third. None of them waits for the windows, and no window
// waits for them. The windows hand the engine a copy of the entries after each
// committed change and take its events (starts, waits, failures, check
// results) as they come, in order.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "core/start_entry.h"
#include "engine/internet_answers.h"
#include "engine/paced_worker.h"
#include "engine/precondition_eval.h"
#include "engine/process_watcher.h"
#include "engine/start_events.h"
#include "engine/start_target.h"

namespace tolvane {

// What the engine measures and starts with. The system-start thread alone
// reads `measures`, the watcher thread alone `processes`; both start through
// `launcher`, which must allow that.
struct EngineParts {
    SystemMeasures& measures;
    Launcher& launcher;
    ProcessSource& processes;
    InternetAnswers::Ask askInternet;
    std::function<std::uint32_t()> tick;
    // Called once, on the watcher's thread, after its first pass.
    std::function<void()> firstPassDone;
    // What the threads wait on between passes.
    MakeWorkerSignal makeSignal = &MakeStandardSignal;
};

struct EngineEvent {
    enum class Kind { Started, StartFailed, Waiting, RuledOut, Checked };
    Kind kind = Kind::Started;
    StartReport report;  // Started, StartFailed
    std::uint32_t error = 0;  // StartFailed: the system's code
    StartEntry entry;  // Waiting, RuledOut
    ItemReading item;  // Waiting, RuledOut
    std::uint32_t check = 0;  // Checked: the request it answers
    std::vector<ItemReading> readings;  // Checked
    bool checkDone = false;  // Checked: no reading awaits its answer any more
};

// Plays the start events of a batch to a listener, in order; Checked events
// go to `checked`.
void PlayEngineEvents(const std::vector<EngineEvent>& events, StartEvents& listener,
                      const std::function<void(const EngineEvent&)>& checked);

class EngineRunner : private StartGate, private StartEvents {
public:
    // `eventsWaiting` is called, on an engine thread, when events wait to be
    // taken and none did before.
    EngineRunner(EngineParts parts, bool systemStartMode, std::uint32_t programStartTime,
                 std::function<void()> eventsWaiting);
    ~EngineRunner() { stop(); }
    EngineRunner(const EngineRunner&) = delete;
    EngineRunner& operator=(const EngineRunner&) = delete;

    // The entries as committed now. Rows the engine knows (by id) keep their
    // marks; new rows bring theirs. A row is never started in a form that is
    // no longer the handed one.
    void handEntries(const EntryModel& model);
    // Takes the first process snapshot and starts the passes.
    void start();
    // Starts the row now, as a pass would; a system-start row then counts as
    // started in this run.
    void startNow(ListKind kind, std::uint64_t rowId);
    // Measures every precondition of the system-start row; answered by one
    // Checked event, or more while an answer is awaited. Returns the request.
    std::uint32_t check(std::uint64_t rowId);
    // No start begins after this returns; the threads have ended.
    void stop();
    bool stopped();
    std::vector<EngineEvent> takeEvents();

private:
    // Measures of one pass or check: everything live, except the internet
    // answer, which is taken from the answers and never waited for.
    struct AnsweringMeasures : SystemMeasures {
        SystemMeasures* live = nullptr;
        InternetAnswers* answers = nullptr;
        std::optional<bool> answer;
        std::uint32_t tickCount() override { return live->tickCount(); }
        DiskFigures diskC() override { return live->diskC(); }
        MemoryFigures memory() override { return live->memory(); }
        std::string userName() override { return live->userName(); }
        PathKind probePath(std::string_view path) override { return live->probePath(path); }
        std::optional<bool> internetConnected() override;
        std::optional<int> processorLoad() override { return live->processorLoad(); }
        std::string runningProgram(std::string_view trigger) override { return live->runningProgram(trigger); }
    };
    struct OpenCheck {
        std::uint32_t id = 0;
        StartEntry entry;
        std::uint64_t answersFrom = 0;  // the first answer that came after the request
        // The load is still being measured: the passes, not an answer, bring it.
        bool awaitsLoad = false;
    };

    bool mayStart(ListKind kind, const EntryRow& row) override;
    void started(const StartReport& report) override;
    void startFailed(const StartReport& report, std::uint32_t error) override;
    void waiting(const StartEntry& entry, const ItemReading& item) override;
    void ruledOut(const StartEntry& entry, const ItemReading& item) override;
    void push(EngineEvent event);

    // On the thread that owns the list: takes the newest hand-over.
    void syncRows(ListKind kind);
    bool systemPass();
    bool watcherPass();
    void startRowNow(ListKind kind, std::uint64_t rowId);
    void runCheck(OpenCheck check);
    void recheckOpenChecks();
    bool anyCheckAwaitsLoad() const;

    EngineParts parts_;
    const bool systemStartMode_;
    const std::uint32_t programStartTime_;
    std::function<void()> eventsWaiting_;

    // Shared between the windows and the engine's threads.
    std::mutex mutex_;
    EntryModel handed_;
    std::uint64_t handedVersion_ = 0;
    bool stopped_ = false;
    std::vector<EngineEvent> events_;
    std::atomic<std::uint32_t> lastCheck_{0};

    // The system-start thread's own.
    EntryList systemRows_;
    std::uint64_t systemVersion_ = 0;
    std::uint64_t passAnswerUsed_ = 0;
    AnsweringMeasures passMeasures_;
    std::vector<OpenCheck> openChecks_;
    // The watcher thread's own.
    EntryList programRows_;
    std::uint64_t programVersion_ = 0;
    ProcessWatcher watcher_;
    bool firstPassDone_ = false;

    InternetAnswers answers_;
    PacedWorker systemWorker_;
    PacedWorker watcherWorker_;
};

}  // namespace tolvane
