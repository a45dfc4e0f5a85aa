// The engine on its own threads, with a scripted machine: a slow measurement
// or a hanging internet test holds up nothing else, a committed change is
// never started in its old form, and stopping ends all starts.
#include "engine/engine_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "core/precondition_text.h"
#include "core/texts.h"
#include "tests/engine/fake_engine_services.h"

namespace tolvane {
namespace {

using namespace std::chrono_literals;
using testing::FakeProcessSource;
using testing::Start;

std::uint32_t SteadyTick() {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

// A gate the test opens: whatever waits at it is held until then.
struct Latch {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int waiting = 0;
    void pass() {
        std::unique_lock lock(mutex);
        ++waiting;
        changed.notify_all();
        changed.wait(lock, [&] { return open; });
    }
    void release() {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
    bool awaitWaiter() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return waiting > 0; });
    }
};

// Live figures: paths named "slow" hold their probe at the latch.
struct SlowMeasures : SystemMeasures {
    Latch slowProbe;
    std::uint32_t tickCount() override { return SteadyTick(); }
    DiskFigures diskC() override { return {}; }
    MemoryFigures memory() override { return {}; }
    std::string userName() override { return "anna"; }
    PathKind probePath(std::string_view path) override {
        if (path == "slow") slowProbe.pass();
        return PathKind::File;
    }
    std::optional<bool> internetConnected() override { return true; }
    // The load answers from this reading on, as a filled window would.
    std::atomic<int> loadReadings{0};
    int loadFrom = 0;
    std::optional<int> processorLoad() override {
        return ++loadReadings >= loadFrom ? std::optional<int>(7) : std::nullopt;
    }
    std::string runningProgram(std::string_view) override { return {}; }
};

struct SafeLauncher : Launcher {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Start> starts;
    LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) override {
        std::lock_guard lock(mutex);
        starts.push_back({target, parameters, hidden});
        changed.notify_all();
        return {};
    }
    bool awaitStarts(std::size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return starts.size() >= count; });
    }
    std::size_t countOf(const std::string& target) {
        std::lock_guard lock(mutex);
        return static_cast<std::size_t>(std::count_if(starts.begin(), starts.end(),
                                                      [&](const Start& s) { return s.target == target; }));
    }
};

struct LockedProcesses : ProcessSource {
    std::mutex mutex;
    FakeProcessSource source;
    void run(const std::string& path) {
        std::lock_guard lock(mutex);
        source.run(path);
    }
    void listProcesses(std::vector<ProcessIdentity>& out) override {
        std::lock_guard lock(mutex);
        source.listProcesses(out);
    }
    std::string processPath(const ProcessIdentity& p) override {
        std::lock_guard lock(mutex);
        return source.processPath(p);
    }
};

// The internet test: each ask waits at its latch; counts asks and overlaps.
struct ScriptedInternet {
    Latch answer;
    std::atomic<int> asks{0}, running{0}, mostAtOnce{0};
    bool connected = true;
    bool ask(const std::atomic<bool>& cancelled) {
        ++asks;
        mostAtOnce = std::max(mostAtOnce.load(), ++running);
        std::unique_lock lock(answer.mutex);
        ++answer.waiting;
        answer.changed.notify_all();
        answer.changed.wait(lock, [&] { return answer.open || cancelled; });
        --running;
        return connected;
    }
};

std::string Condition(int kind, const std::string& value = {}) {
    return EncodeConditions({{std::string(KindLabel(kind)), value}});
}

struct EngineFixture : ::testing::Test {
    SlowMeasures measures;
    SafeLauncher launcher;
    LockedProcesses processes;
    ScriptedInternet internet;
    EntryModel model;
    std::mutex eventsMutex;
    std::condition_variable eventsCame;
    std::unique_ptr<EngineRunner> engine;

    void startEngine(bool systemStartMode = true) {
        EngineParts parts{measures, launcher, processes,
                          [this](const std::atomic<bool>& cancelled) { return internet.ask(cancelled); }, SteadyTick};
        engine = std::make_unique<EngineRunner>(std::move(parts), systemStartMode, SteadyTick(), [this] {
            std::lock_guard lock(eventsMutex);
            eventsCame.notify_all();
        });
        engine->handEntries(model);
        engine->start();
    }
    void TearDown() override {
        internet.answer.release();
        measures.slowProbe.release();
        if (engine) engine->stop();
    }
    std::uint64_t addSystem(const std::string& target, const std::string& condition) {
        return model.systemStart.append({target, condition, "", "", target}, 1).id;
    }
    // Every event until `done` says enough, for at most 10 s.
    std::vector<EngineEvent> eventsUntil(const std::function<bool(const std::vector<EngineEvent>&)>& done) {
        std::vector<EngineEvent> all;
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!done(all) && std::chrono::steady_clock::now() < deadline) {
            std::vector<EngineEvent> batch = engine->takeEvents();
            if (batch.empty()) {
                std::unique_lock lock(eventsMutex);
                eventsCame.wait_for(lock, 50ms);
            }
            for (EngineEvent& event : batch) all.push_back(std::move(event));
        }
        return all;
    }
};

TEST_F(EngineFixture, ASlowMeasurementHoldsUpNeitherTheWatcherNorStartsNow) {
    addSystem("slow.exe", Condition(kFileExists, "slow"));
    model.programStart.append({"on trigger", "trigger.exe", "", "", "reaction.exe"});
    const std::uint64_t manual = model.programStart.append({"manual", "other.exe", "", "", "manual.exe"}).id;
    startEngine();
    ASSERT_TRUE(measures.slowProbe.awaitWaiter());  // the system-start half is stuck in its probe

    processes.run("C:\\apps\\trigger.exe");
    engine->startNow(ListKind::ProgramStart, manual);
    EXPECT_TRUE(launcher.awaitStarts(2));
    EXPECT_EQ(launcher.countOf("reaction.exe"), 1u);
    EXPECT_EQ(launcher.countOf("manual.exe"), 1u);
    EXPECT_EQ(launcher.countOf("slow.exe"), 0u);
}

TEST_F(EngineFixture, OneHangingInternetTestLetsTheOtherEntriesStartAndServesAPassWhole) {
    for (const char* name : {"net1.exe", "net2.exe", "net3.exe"}) addSystem(name, Condition(kInternetOnline));
    addSystem("plain.exe", "");
    startEngine();
    ASSERT_TRUE(launcher.awaitStarts(1));
    EXPECT_EQ(launcher.countOf("plain.exe"), 1u);
    ASSERT_TRUE(internet.answer.awaitWaiter());

    internet.answer.release();
    EXPECT_TRUE(launcher.awaitStarts(4));
    const auto events = eventsUntil([](const auto& all) { return all.size() >= 4; });
    EXPECT_EQ(internet.mostAtOnce.load(), 1);
    EXPECT_EQ(internet.asks.load(), 1);  // one answer for all three
    // Awaiting the answer is no waiting of the entries: nothing says they wait.
    for (const EngineEvent& event : events) EXPECT_EQ(event.kind, EngineEvent::Kind::Started);
}

TEST_F(EngineFixture, AChangeCommittedDuringAPassIsNeverStartedInItsOldForm) {
    const std::uint64_t first = addSystem("old.exe", Condition(kFileExists, "slow"));
    startEngine();
    ASSERT_TRUE(measures.slowProbe.awaitWaiter());

    model.systemStart.replace(0, {"new", Condition(kFileExists, "slow"), "", "", "new.exe"});
    ASSERT_NE(model.systemStart[0].id, first);
    engine->handEntries(model);
    addSystem("after.exe", "");  // its start shows the passes went on after the change
    engine->handEntries(model);
    measures.slowProbe.release();
    ASSERT_TRUE(launcher.awaitStarts(1));
    engine->stop();
    EXPECT_EQ(launcher.countOf("old.exe"), 0u);
    EXPECT_EQ(launcher.countOf("new.exe"), 0u);  // an edited row waits for the next logon
    EXPECT_EQ(launcher.countOf("after.exe"), 1u);
}

TEST_F(EngineFixture, StartNowOnAWaitingEntryIsItsStartInThisRun) {
    const std::uint64_t id = addSystem("later.exe", Condition(kInternetOnline));
    addSystem("witness.exe", Condition(kInternetOnline));  // started by the pass that has the answer
    startEngine();
    ASSERT_TRUE(internet.answer.awaitWaiter());
    engine->startNow(ListKind::SystemStart, id);
    ASSERT_TRUE(launcher.awaitStarts(1));
    internet.answer.release();
    ASSERT_TRUE(launcher.awaitStarts(2));
    engine->stop();
    EXPECT_EQ(launcher.countOf("witness.exe"), 1u);
    EXPECT_EQ(launcher.countOf("later.exe"), 1u);
}

TEST_F(EngineFixture, ACheckAnswersAtOnceAndFillsInTheInternetWhenItComes) {
    const std::uint64_t id =
        model.systemStart.append({"c", Condition(kFileExists, "x") + Condition(kInternetOffline), "", "", "c.exe"}).id;
    startEngine(false);
    const std::uint32_t request = engine->check(id);
    auto events = eventsUntil([](const auto& all) { return !all.empty(); });
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].check, request);
    EXPECT_FALSE(events[0].checkDone);
    ASSERT_EQ(events[0].readings.size(), 2u);
    EXPECT_EQ(events[0].readings[0].outcome, ItemOutcome::Holds);
    EXPECT_TRUE(events[0].readings[1].measuring);

    internet.answer.release();
    events = eventsUntil([](const auto& all) { return !all.empty() && all.back().checkDone; });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().readings[1].measured, "verbunden");
    EXPECT_EQ(events.back().readings[1].outcome, ItemOutcome::Fails);
    EXPECT_EQ(launcher.countOf("c.exe"), 0u);  // a check starts nothing, even outside a logon run
}

TEST_F(EngineFixture, ACheckWaitingForTheLoadIsAnsweredByThePassesThatFollow) {
    measures.loadFrom = 4;
    const std::uint64_t id = model.systemStart.append({"l", Condition(kProcessorLoadBelow, "20"), "", "", "l.exe"}).id;
    startEngine(false);  // no pending entries: only the check asks for passes
    engine->check(id);
    const auto events = eventsUntil([](const auto& all) { return !all.empty() && all.back().checkDone; });
    ASSERT_FALSE(events.empty());
    EXPECT_TRUE(events.front().readings[0].measuring);
    EXPECT_EQ(events.back().readings[0].measured, "7 % ausgelastet");
    EXPECT_EQ(measures.loadReadings.load(), 4);
}

TEST_F(EngineFixture, NoStartAfterStopReturns) {
    addSystem("held.exe", Condition(kFileExists, "slow"));
    startEngine();
    ASSERT_TRUE(measures.slowProbe.awaitWaiter());
    std::thread stopper([&] { engine->stop(); });
    // The pass is released only once the stop has closed the gate.
    while (!engine->stopped()) std::this_thread::sleep_for(1ms);
    measures.slowProbe.release();
    stopper.join();
    EXPECT_EQ(launcher.countOf("held.exe"), 0u);
}

}  // namespace
}  // namespace tolvane
