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

// Readings `ms` apart, `busy` percent of the time between them busy.
struct LoadScript {
    LoadWindow window;
    std::uint32_t tick = 1000;
    ProcessorTimes times{1'000'000, 4'000'000};
    LoadScript() { window.add(tick, times); }
    void after(std::int32_t ms, int busy, int readings = 1) {
        for (int reading = 0; reading < readings; ++reading) {
            tick += static_cast<std::uint32_t>(ms);
            times.total += static_cast<std::uint64_t>(ms) * 100;
            times.idle += static_cast<std::uint64_t>(ms) * static_cast<std::uint64_t>(100 - busy);
            window.add(tick, times);
        }
    }
};

}  // namespace

TEST(LoadWindow, AveragesTheLastTenSecondsOnceTheReadingsSpanThem) {
    LoadScript load;
    load.after(1000, 90, 9);
    EXPECT_FALSE(load.window.percent()) << "nine seconds are not ten";
    load.after(1000, 90);
    EXPECT_EQ(load.window.percent(), 90);
    // Quiet seconds push the busy ones out of the window.
    load.after(1000, 10, 5);
    EXPECT_EQ(load.window.percent(), 50);
    load.after(1000, 10, 5);
    EXPECT_EQ(load.window.percent(), 10);
    // 19.9 % is shown as 19: below 20 exactly when the true load is.
    LoadWindow exact;
    exact.add(0, {0, 0});
    exact.add(LoadWindow::kWindowMs, {801, 1000});
    EXPECT_EQ(exact.percent(), 19);
}

TEST(LoadWindow, StartsAfreshAfterAGapOrTimesThatRunBackwards) {
    LoadScript load;
    load.after(1000, 30, 10);
    ASSERT_EQ(load.window.percent(), 30);
    load.after(LoadWindow::kWindowMs + LoadWindow::kLongestGapMs + 1, 0);  // nobody asked for a while
    EXPECT_FALSE(load.window.percent()) << "a mean over the pause is no mean over ten seconds";
    load.after(1000, 60, 10);
    EXPECT_EQ(load.window.percent(), 60);
    load.times = {0, 0};  // a counter that started over
    load.after(1000, 0);
    EXPECT_FALSE(load.window.percent());
    load.after(10, 50, 100);  // closer than the spacing: left out rather than piled up
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
    const ProcessIdentity other = source.run("C:\\x\\other.exe");
    EXPECT_EQ(programs.find(source, 50, "other.exe"), "") << "the pass's listing serves its items";
    EXPECT_EQ(programs.find(source, 50 + RunningPrograms::kFreshMs, "other.exe"), "C:\\x\\other.exe");
    source.end(other);
    EXPECT_EQ(programs.find(source, 1000, "other.exe"), "");
    EXPECT_EQ(source.pathReads, 2u) << "each process's path is read once";
}

TEST(WaitingKinds, TheCheckViewShowsTheLoadOrTheProgramFoundAndWhetherItWaits) {
    FakeMeasures m;
    auto line = [&m](int kind, std::string_view value) { return CheckLineOf(ReadCondition(kind, value, 0, m)); };
    const std::string load = "Prozessorauslastung kleiner als ... 20";
    m.load = std::nullopt;  // the window is still filling
    EXPECT_EQ(line(kProcessorLoadBelow, "20"), (CheckLine{load, "wird geprüft", "wird geprüft"}));
    m.load = 20;
    EXPECT_EQ(line(kProcessorLoadBelow, "20"), (CheckLine{load, "20 % ausgelastet", "wartet"}));
    m.load = 19;
    EXPECT_EQ(line(kProcessorLoadBelow, "20"), (CheckLine{load, "19 % ausgelastet", "erfüllt"}));
    EXPECT_EQ(line(kProgramRunning, "vpnclient.exe"), (CheckLine{"Programm ... läuft vpnclient.exe", "läuft nicht", "wartet"}));
    m.running = {"C:\\VPN\\vpnclient.exe"};
    EXPECT_EQ(line(kProgramRunning, "vpnclient.exe").measured, "läuft: C:\\VPN\\vpnclient.exe");
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
