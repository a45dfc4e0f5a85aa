// The two kinds that wait for a change: the processor load averaged over a
// window of readings, and a running program; how the pass, the check view
// and the history treat them.
#include <gtest/gtest.h>

#include "core/precondition_text.h"
#include "core/texts.h"
#include "engine/check_lines.h"
#include "engine/processor_load.h"
#include "engine/running_programs.h"
#include "engine/start_history.h"
#include "engine/start_pass.h"
#include "fake_engine_services.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

std::string Item(int kind, std::string_view value = "") {
    return std::string(KindLabel(kind)) + "{" + std::string(value) + "};";
}

// Readings with `busy` percent of the time busy since the previous one.
struct LoadScript {
    LoadWindow window;
    std::uint32_t tick = 1000;
    ProcessorTimes times{1'000'000, 4'000'000};
    void after(std::int32_t ms, int busy) {
        tick += static_cast<std::uint32_t>(ms);
        const std::uint64_t elapsed = static_cast<std::uint64_t>(ms) * 4;  // four processors
        times.total += elapsed;
        times.idle += elapsed * static_cast<std::uint64_t>(100 - busy) / 100;
        window.add(tick, times);
    }
};

}  // namespace

TEST(LoadWindow, AveragesTheLastTenSecondsOnceTheReadingsSpanThem) {
    LoadScript load;
    load.window.add(load.tick, load.times);
    for (int second = 1; second < 10; ++second) load.after(1000, 90);
    EXPECT_FALSE(load.window.percent()) << "nine seconds are not ten";
    load.after(1000, 90);
    EXPECT_EQ(load.window.percent(), 90);
    // Ten quiet seconds push the busy ones out of the window.
    for (int second = 0; second < 5; ++second) load.after(1000, 10);
    EXPECT_EQ(load.window.percent(), 50);
    for (int second = 0; second < 5; ++second) load.after(1000, 10);
    EXPECT_EQ(load.window.percent(), 10);
    // 19.9 % is shown as 19: below 20 exactly when the true load is.
    LoadWindow exact;
    exact.add(0, {0, 0});
    exact.add(LoadWindow::kWindowMs, {801, 1000});
    EXPECT_EQ(exact.percent(), 19);
}

TEST(LoadWindow, StartsAfreshAfterAGapOrTimesThatRunBackwards) {
    LoadScript load;
    load.window.add(load.tick, load.times);
    for (int second = 0; second < 10; ++second) load.after(1000, 30);
    ASSERT_EQ(load.window.percent(), 30);
    load.after(LoadWindow::kWindowMs + LoadWindow::kLongestGapMs + 1, 0);  // nobody asked for a while
    EXPECT_FALSE(load.window.percent()) << "a mean over the pause is no mean over ten seconds";
    for (int second = 0; second < 10; ++second) load.after(1000, 60);
    EXPECT_EQ(load.window.percent(), 60);
    load.times = {0, 0};  // a counter that started over
    load.after(1000, 0);
    EXPECT_FALSE(load.window.percent());
    // Readings closer than the spacing are left out rather than piled up.
    for (int reading = 0; reading < 100; ++reading) load.after(10, 50);
    load.after(10000, 50);
    EXPECT_EQ(load.window.percent(), 50);
}

TEST(RunningPrograms, MatchesAsATriggerAndListsAtMostOncePerPass) {
    FakeProcessSource source;
    RunningPrograms programs;
    source.run("C:\\VPN\\vpnclient.exe");
    EXPECT_EQ(programs.find(source, 0, "vpnclient.exe"), "C:\\VPN\\vpnclient.exe");
    EXPECT_EQ(programs.find(source, 10, "C:\\VPN\\vpnclient.exe"), "C:\\VPN\\vpnclient.exe");
    EXPECT_EQ(programs.find(source, 20, "VPNClient.exe"), "") << "exact, as a trigger";
    EXPECT_EQ(programs.find(source, 30, "D:\\vpnclient.exe"), "");
    EXPECT_EQ(programs.find(source, 40, ""), "");
    const ProcessIdentity other = source.run("C:\\x\\other.exe");
    EXPECT_EQ(programs.find(source, 50, "other.exe"), "") << "the pass's listing serves its items";
    EXPECT_EQ(programs.find(source, 50 + RunningPrograms::kFreshMs, "other.exe"), "C:\\x\\other.exe");
    source.end(other);
    EXPECT_EQ(programs.find(source, 1000, "other.exe"), "");
    EXPECT_EQ(source.pathReads, 2u) << "each process's path is read once";
}

TEST(WaitingKinds, LoadAndProgramWaitAndTellWhatTheyMeasured) {
    FakeMeasures m;
    m.load = std::nullopt;
    ItemReading load = ReadCondition(kProcessorLoadBelow, "20", 0, m);
    EXPECT_EQ(load.outcome, ItemOutcome::NotYet);
    EXPECT_TRUE(load.measuring) << "the window is still filling";
    for (const auto& [figure, outcome] : {std::pair{19, ItemOutcome::Holds}, {20, ItemOutcome::NotYet}, {100, ItemOutcome::NotYet}}) {
        m.load = figure;
        load = ReadCondition(kProcessorLoadBelow, "20", 0, m);
        EXPECT_EQ(load.outcome, outcome) << figure;
        EXPECT_FALSE(load.measuring);
        EXPECT_EQ(load.measured, std::to_string(figure) + " % ausgelastet");
    }
    const ItemReading absent = ReadCondition(kProgramRunning, "vpnclient.exe", 0, m);
    EXPECT_EQ(absent.outcome, ItemOutcome::NotYet);
    EXPECT_EQ(CheckLineOf(absent), (CheckLine{"Programm ... läuft vpnclient.exe", "läuft nicht", "wartet"}));
    m.running = {"C:\\VPN\\vpnclient.exe"};
    EXPECT_EQ(CheckLineOf(ReadCondition(kProgramRunning, "vpnclient.exe", 0, m)),
              (CheckLine{"Programm ... läuft vpnclient.exe", "läuft: C:\\VPN\\vpnclient.exe", "erfüllt"}));
}

TEST(WaitingKinds, AnEntryWaitsUntilAllHoldThenStartsOnceTellingTheFigures) {
    FakeMeasures m;
    RecordingLauncher launcher;
    std::vector<std::string> history;
    HistoryEvents events;
    events.record = [&](const std::string& text) { history.push_back(text); };
    EntryList list;
    list.append({"VPN", Item(kProcessorLoadBelow, "50") + Item(kProgramRunning, "vpnclient.exe"), "", "",
                 "C:\\mail.exe"}, 1);
    auto pass = [&] { RunSystemStartHalf(list, 0, m, launcher, events); };

    m.load = std::nullopt;
    pass();  // measuring: no waiting to tell yet
    m.load = 87;
    pass();
    pass();
    m.load = 12;
    pass();  // now the program is what it waits for; told once already
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0], "Systemstart „VPN“ wartet auf „Prozessorauslastung kleiner als ... 50“ (gemessen: 87 % ausgelastet)");
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_EQ(list[0].pending, 1u) << "waiting never rules the entry out";

    m.running = {"C:\\VPN\\vpnclient.exe"};
    m.now = 42000;
    pass();
    pass();
    EXPECT_EQ(launcher.starts.size(), 1u);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1], "Systemstart „VPN“ gestartet, 42 s nach dem Start von Tolvane (gemessen: 12 % ausgelastet; "
                          "läuft: C:\\VPN\\vpnclient.exe): \"C:\\mail.exe\"");
}
