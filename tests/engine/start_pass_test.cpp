#include <gtest/gtest.h>

#include "core/precondition_text.h"
#include "core/texts.h"
#include "start_engine.h"
#include "engine/start_pass.h"
#include "engine/start_target.h"
#include "fake_engine_services.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

std::string Wait(int seconds) { return std::string(KindLabel(kWaitSeconds)) + "{" + std::to_string(seconds) + "};"; }
std::string UserIs(std::string_view name) { return std::string(KindLabel(kUserNameIs)) + "{" + std::string(name) + "};"; }

// Every event as one short line, in the order told.
struct RecordingEvents : StartEvents {
    std::vector<std::string> told;
    void started(const StartReport& r) override {
        told.push_back("started " + r.entry.name + " " + r.commandLine + " " + std::to_string(r.msSinceStart) + " " +
                       r.triggerPath);
    }
    void startFailed(const StartReport& r, std::uint32_t error) override {
        told.push_back("failed " + r.entry.name + " " + std::to_string(error));
    }
    void waiting(const StartEntry& e, const ItemReading& item) override {
        told.push_back("waiting " + e.name + " " + std::to_string(item.kind));
    }
    void ruledOut(const StartEntry& e, const ItemReading& item) override {
        told.push_back("ruled out " + e.name + " " + std::to_string(item.kind) + " " + item.measured);
    }
};

class SystemStartHalf : public ::testing::Test {
protected:
    void pass() { RunSystemStartHalf(list, 0, measures, launcher, events); }
    EntryList list;
    FakeMeasures measures;
    RecordingLauncher launcher;
    RecordingEvents events;
};

}  // namespace

TEST_F(SystemStartHalf, StartsHoldingEntriesOnceInRowOrderWithTheirFields) {
    list.append({"a", "", "-x 1", "X", "C:\\Program Files\\a.exe"}, 1);
    list.append({"b", UserIs("anna"), "", "", "C:\\b.txt"}, 1);
    list.append({"c", "", "", "", "C:\\c.exe"}, 0);  // added during the run
    pass();
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\Program Files\\a.exe", "-x 1", true}, {"C:\\b.txt", "", false}}));
    EXPECT_EQ(list[0].pending, 0u);
    EXPECT_EQ(list[1].pending, 0u);
    pass();
    EXPECT_EQ(launcher.starts.size(), 2u) << "started once per run";
}

TEST_F(SystemStartHalf, WaitingKeepsTheMarkAndFailingDropsIt) {
    list.append({"w", Wait(30), "", "", "C:\\w.exe"}, 1);
    list.append({"f", UserIs("bob"), "", "", "C:\\f.exe"}, 1);
    measures.now = 29999;
    pass();
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_EQ(list[0].pending, 1u);
    EXPECT_EQ(list[1].pending, 0u);
    measures.user = "bob";  // the condition holds now, but the entry is done for this run
    measures.now = 30000;
    pass();
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\w.exe", "", false}}));
}

TEST_F(SystemStartHalf, AListChangedDuringAStartLeavesTheOtherRowsMarks) {
    list.append({"x", "", "", "", "C:\\x.exe"}, 0);
    list.append({"a", "", "", "", "C:\\a.exe"}, 1);
    list.append({"b", Wait(30), "", "", "C:\\b.exe"}, 1);
    // The user removes the first row while the shell pumps messages in a start.
    launcher.duringStart = [this] {
        launcher.duringStart = nullptr;
        list.remove(0);
    };
    measures.now = 1000;
    pass();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].pending, 0u) << "the started row";
    EXPECT_EQ(list[1].pending, 1u) << "the waiting row keeps its mark";
    measures.now = 30000;
    pass();
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\a.exe", "", false}, {"C:\\b.exe", "", false}}));
}

TEST_F(SystemStartHalf, AFailedStartStillClearsTheMark) {
    launcher.error = 2;
    list.append({"a", "", "", "", "C:\\missing.exe"}, 7);
    pass();
    pass();
    EXPECT_EQ(launcher.starts.size(), 1u);
    EXPECT_EQ(list[0].pending, 0u);
}

TEST_F(SystemStartHalf, TellsEachOutcomeOnceAndAWaitOnlyWhenItBegins) {
    constexpr std::int64_t kMB = 1024 * 1024;
    measures.disk = {4211 * kMB, 9000 * kMB};
    list.append({"ok", "", "-p", "", "C:\\ok.exe"}, 1);
    list.append({"full", std::string(KindLabel(kDiskFreeAbove)) + "{5000};", "", "", "C:\\f.exe"}, 1);
    list.append({"later", Wait(60), "", "", "C:\\l.exe"}, 1);
    list.append({"gone", "", "", "", "C:\\gone.exe"}, 1);
    launcher.duringStart = [this] { launcher.error = launcher.starts.size() == 2 ? 2 : 0; };
    measures.now = 2500;
    pass();
    measures.now = 3000;
    pass();
    pass();
    EXPECT_EQ(events.told, (std::vector<std::string>{"started ok \"C:\\ok.exe\" -p 2500 ", "ruled out full 4 4211 MB frei",
                                                     "waiting later 0", "failed gone 2"}));
    events.told.clear();
    list.replace(2, {"later", Wait(60), "", "", "C:\\l.exe"});
    list[2].pending = 1;
    measures.now = 60000;
    pass();
    EXPECT_EQ(events.told, (std::vector<std::string>{"started later \"C:\\l.exe\" 60000 "}))
        << "a wait that ends is told as the start, not again as a wait";
}

TEST(StartEngine, StartNowGoesTheWayOfAPassAndChangesNoMark) {
    FakeMeasures measures;
    RecordingLauncher launcher;
    FakeProcessSource processes;
    RecordingEvents events;
    StartEngine engine(measures, launcher, processes);
    engine.tell(events);
    EntryModel model;
    model.systemStart.append({"s", Wait(60), "-x", "X", "C:\\s.exe"}, 1);
    EXPECT_TRUE(engine.startNow(model.systemStart[0].entry).ok());
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\s.exe", "-x", true}})) << "whatever its preconditions";
    EXPECT_EQ(model.systemStart[0].pending, 1u);
    launcher.error = 1155;
    EXPECT_EQ(engine.startNow(model.systemStart[0].entry).error, 1155u);
    EXPECT_EQ(events.told, (std::vector<std::string>{"started s \"C:\\s.exe\" -x 0 ", "failed s 1155"}));

    // A trigger's start names the program that fired it.
    events.told.clear();
    launcher.error = 0;
    model.programStart.append({"p", "calc.exe", "", "", "C:\\p.exe"});
    engine.takeFirstSnapshot();
    processes.run("C:\\w\\calc.exe");
    engine.runStartPass(model, false, 0);
    EXPECT_EQ(events.told, (std::vector<std::string>{"started p \"C:\\p.exe\" 0 C:\\w\\calc.exe"}));
}

TEST(StartEngine, SystemStartHalfOnlyInSystemStartModeWatcherAlways) {
    FakeMeasures measures;
    RecordingLauncher launcher;
    FakeProcessSource processes;
    StartEngine engine(measures, launcher, processes);
    EntryModel model;
    model.systemStart.append({"s", "", "", "", "C:\\s.exe"}, 1);
    model.programStart.append({"p", "calc.exe", "", "", "C:\\p.exe"}, 1);
    engine.takeFirstSnapshot();

    processes.run("C:\\w\\calc.exe");
    engine.runStartPass(model, false, 0);
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\p.exe", "", false}}));
    EXPECT_EQ(model.systemStart[0].pending, 1u);

    // The system-start half runs first; its target is seen by the watcher of
    // the next listing and can trigger in turn.
    model.programStart.append({"q", "s.exe", "", "", "C:\\q.exe"});
    launcher.starts.clear();
    engine.runStartPass(model, true, 0);
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\s.exe", "", false}}));
}

TEST(StartTargetText, CommandLineQuotesThePathAndAddsParameters) {
    EXPECT_EQ(BuildCommandLine("C:\\Program Files\\x.exe", ""), "\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(BuildCommandLine("C:\\Program Files\\x.exe", "-a \"b c\""), "\"C:\\Program Files\\x.exe\" -a \"b c\"");
    EXPECT_EQ(BuildCommandLine("\"C:\\x.exe\"", "-v"), "\"C:\\x.exe\" -v") << "already quoted";
    EXPECT_EQ(BuildCommandLine("", ""), "\"\"");
}

TEST(StartTargetText, WorkingDirectoryIsTheFolderWithItsBackslash) {
    EXPECT_EQ(WorkingDirectoryOf("C:\\Docs\\My Notes\\a.txt"), "C:\\Docs\\My Notes\\");
    EXPECT_EQ(WorkingDirectoryOf("C:\\a.txt"), "C:\\");
    EXPECT_EQ(WorkingDirectoryOf("a.txt"), "");
    EXPECT_EQ(WorkingDirectoryOf("\\a.txt"), "") << "a backslash in front only gives no folder";
    EXPECT_EQ(WorkingDirectoryOf("\\\\server\\share\\a.txt"), "\\\\server\\share\\");
}
