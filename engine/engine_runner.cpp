#include "engine/engine_runner.h"

#include <utility>

#include "core/pass_clock.h"
#include "core/precondition_text.h"
#include "engine/start_pass.h"

namespace tolvane {

namespace {

// How old an answer a pass still takes as its own: about one pass's pacing
// beyond the ping itself, so a pass never decides on yesterday's network.
constexpr std::int32_t kFreshAnswerMs = 2000;

bool AnyPending(const EntryList& rows) {
    for (const EntryRow& row : rows.rows())
        if (row.pending != 0) return true;
    return false;
}

bool AnyMeasuring(const std::vector<ItemReading>& readings) {
    for (const ItemReading& reading : readings)
        if (reading.measuring) return true;
    return false;
}

// Only the passes' readings fill the load's window; no answer comes for it.
bool AwaitsLoad(const std::vector<ItemReading>& readings) {
    for (const ItemReading& reading : readings)
        if (reading.measuring && reading.kind == kProcessorLoadBelow) return true;
    return false;
}

}  // namespace

void PlayEngineEvents(const std::vector<EngineEvent>& events, StartEvents& listener,
                      const std::function<void(const EngineEvent&)>& checked) {
    for (const EngineEvent& event : events) {
        switch (event.kind) {
        case EngineEvent::Kind::Started: listener.started(event.report); break;
        case EngineEvent::Kind::StartFailed: listener.startFailed(event.report, event.error); break;
        case EngineEvent::Kind::Waiting: listener.waiting(event.entry, event.item); break;
        case EngineEvent::Kind::RuledOut: listener.ruledOut(event.entry, event.item); break;
        case EngineEvent::Kind::Checked:
            if (checked) checked(event);
            break;
        }
    }
}

std::optional<bool> EngineRunner::AnsweringMeasures::internetConnected() {
    if (answer) return answer;
    answers->request();
    return std::nullopt;
}

EngineRunner::EngineRunner(EngineParts parts, bool systemStartMode, std::uint32_t programStartTime,
                           std::function<void()> eventsWaiting)
    : parts_(std::move(parts)),
      systemStartMode_(systemStartMode),
      programStartTime_(programStartTime),
      eventsWaiting_(std::move(eventsWaiting)),
      answers_(parts_.askInternet, parts_.tick,
               [this] {
                   // Checks waiting for it are told, and the next pass may use it.
                   systemWorker_.post([this] { recheckOpenChecks(); });
                   systemWorker_.wake();
               }),
      systemWorker_(parts_.tick, [this] { return systemPass(); }, parts_.makeSignal),
      watcherWorker_(parts_.tick, [this] { return watcherPass(); }, parts_.makeSignal) {
    passMeasures_.live = &parts_.measures;
    passMeasures_.answers = &answers_;
}

void EngineRunner::handEntries(const EntryModel& model) {
    {
        std::lock_guard lock(mutex_);
        handed_ = model;
        ++handedVersion_;
    }
    // New rows may be pending: the system-start half looks again.
    systemWorker_.wake();
}

void EngineRunner::start() {
    watcherWorker_.post([this] { watcher_.takeFirstSnapshot(parts_.processes); });
    watcherWorker_.start();
    systemWorker_.start();
}

void EngineRunner::stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    systemWorker_.stop();
    watcherWorker_.stop();
    answers_.stop();
}

bool EngineRunner::stopped() {
    std::lock_guard lock(mutex_);
    return stopped_;
}

std::vector<EngineEvent> EngineRunner::takeEvents() {
    std::lock_guard lock(mutex_);
    return std::exchange(events_, {});
}

void EngineRunner::startNow(ListKind kind, std::uint64_t rowId) {
    // On the thread that owns the row's marks, so a pass and this never
    // start it both.
    PacedWorker& worker = kind == ListKind::SystemStart ? systemWorker_ : watcherWorker_;
    worker.post([this, kind, rowId] { startRowNow(kind, rowId); });
}

std::uint32_t EngineRunner::check(std::uint64_t rowId) {
    const std::uint32_t id = ++lastCheck_;
    systemWorker_.post([this, id, rowId] {
        syncRows(ListKind::SystemStart);
        const EntryRow* row = systemRows_.find(rowId);
        if (!row) {
            EngineEvent gone{EngineEvent::Kind::Checked};
            gone.check = id;
            gone.checkDone = true;
            push(std::move(gone));
            return;
        }
        runCheck({id, row->entry, answers_.nextSequence()});
    });
    return id;
}

bool EngineRunner::mayStart(ListKind kind, const EntryRow& row) {
    std::lock_guard lock(mutex_);
    if (stopped_) return false;
    const EntryRow* current = handed_.list(kind).find(row.id);
    return current && current->entry == row.entry;
}

void EngineRunner::started(const StartReport& report) {
    EngineEvent event{EngineEvent::Kind::Started};
    event.report = report;
    push(std::move(event));
}

void EngineRunner::startFailed(const StartReport& report, std::uint32_t error) {
    EngineEvent event{EngineEvent::Kind::StartFailed};
    event.report = report;
    event.error = error;
    push(std::move(event));
}

void EngineRunner::waiting(const StartEntry& entry, const ItemReading& item) {
    EngineEvent event{EngineEvent::Kind::Waiting};
    event.entry = entry;
    event.item = item;
    push(std::move(event));
}

void EngineRunner::ruledOut(const StartEntry& entry, const ItemReading& item) {
    EngineEvent event{EngineEvent::Kind::RuledOut};
    event.entry = entry;
    event.item = item;
    push(std::move(event));
}

void EngineRunner::push(EngineEvent event) {
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        first = events_.empty();
        events_.push_back(std::move(event));
    }
    if (first && eventsWaiting_) eventsWaiting_();
}

void EngineRunner::syncRows(ListKind kind) {
    EntryList& mine = kind == ListKind::SystemStart ? systemRows_ : programRows_;
    std::uint64_t& version = kind == ListKind::SystemStart ? systemVersion_ : programVersion_;
    EntryList fresh;
    {
        std::lock_guard lock(mutex_);
        if (version == handedVersion_) return;
        fresh = handed_.list(kind);
        version = handedVersion_;
    }
    // A row the engine knows keeps what happened to it in this run.
    std::unordered_map<std::uint64_t, const EntryRow*> known;
    known.reserve(mine.size());
    for (const EntryRow& row : mine.rows()) known.emplace(row.id, &row);
    for (std::size_t index = 0; index < fresh.size(); ++index) {
        const auto it = known.find(fresh[index].id);
        if (it == known.end()) continue;
        fresh[index].pending = it->second->pending;
        fresh[index].waitNoted = it->second->waitNoted;
    }
    mine = std::move(fresh);
}

bool EngineRunner::systemPass() {
    // The load is read afresh at each pass, so a check that waits for it
    // asks again until the readings span the window.
    if (anyCheckAwaitsLoad()) recheckOpenChecks();
    const bool checksWait = anyCheckAwaitsLoad();
    syncRows(ListKind::SystemStart);
    if (!systemStartMode_ || !AnyPending(systemRows_)) return checksWait;
    // One answer serves every item of the pass; without a fresh one, the
    // items that need it wait and the test runs beside.
    passMeasures_.answer.reset();
    const std::optional<InternetAnswer> newest = answers_.newest();
    if (newest && newest->sequence > passAnswerUsed_ &&
        TickDifference(parts_.tick(), newest->tick) <= kFreshAnswerMs) {
        passMeasures_.answer = newest->connected;
        passAnswerUsed_ = newest->sequence;
    }
    RunSystemStartHalf(systemRows_, programStartTime_, passMeasures_, parts_.launcher, *this, *this);
    return AnyPending(systemRows_) || checksWait;
}

bool EngineRunner::watcherPass() {
    syncRows(ListKind::ProgramStart);
    watcher_.watchProgramStarts(parts_.processes, programRows_, parts_.launcher, *this, *this);
    if (!std::exchange(firstPassDone_, true) && parts_.firstPassDone) parts_.firstPassDone();
    return true;
}

void EngineRunner::startRowNow(ListKind kind, std::uint64_t rowId) {
    syncRows(kind);
    EntryRow* row = (kind == ListKind::SystemStart ? systemRows_ : programRows_).find(rowId);
    if (!row) return;
    // Started now, it is started in this run: the pass leaves it alone.
    row->pending = 0;
    if (!mayStart(kind, *row)) return;
    LaunchEntry({StartCause::Manual, row->entry, {}, {}, 0}, parts_.launcher, *this);
}

void EngineRunner::runCheck(OpenCheck check) {
    AnsweringMeasures measures;
    measures.live = &parts_.measures;
    measures.answers = &answers_;
    const std::optional<InternetAnswer> newest = answers_.newest();
    if (newest && newest->sequence >= check.answersFrom) measures.answer = newest->connected;
    EngineEvent event{EngineEvent::Kind::Checked};
    event.check = check.id;
    event.readings = CheckPreconditions(check.entry.condition, programStartTime_, measures);
    event.checkDone = !AnyMeasuring(event.readings);
    check.awaitsLoad = AwaitsLoad(event.readings);
    if (check.awaitsLoad) systemWorker_.wake();
    if (!event.checkDone) openChecks_.push_back(std::move(check));
    push(std::move(event));
}

bool EngineRunner::anyCheckAwaitsLoad() const {
    for (const OpenCheck& check : openChecks_)
        if (check.awaitsLoad) return true;
    return false;
}

void EngineRunner::recheckOpenChecks() {
    std::vector<OpenCheck> open = std::exchange(openChecks_, {});
    for (OpenCheck& check : open) runCheck(std::move(check));
}

}  // namespace tolvane
