#include <gtest/gtest.h>

#include "engine/process_watcher.h"
#include "fake_engine_services.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

class Watcher : public ::testing::Test {
protected:
    void SetUp() override {
        processes.run("");  // unreadable system processes
        processes.run("C:\\Windows\\explorer.exe");
    }
    std::vector<std::string> pass() {
        launcher.starts.clear();
        watcher.watchProgramStarts(processes, entries, launcher);
        std::vector<std::string> targets;
        for (const Start& s : launcher.starts) targets.push_back(s.target);
        return targets;
    }
    using Targets = std::vector<std::string>;
    FakeProcessSource processes;
    RecordingLauncher launcher;
    EntryList entries;
    ProcessWatcher watcher;
};

}  // namespace

TEST(FilePartOfPath, AfterTheLastSeparatorWithoutQuotes) {
    EXPECT_EQ(FilePart("C:\\Program Files\\App\\app.exe"), "app.exe");
    EXPECT_EQ(FilePart("C:/x/y.exe"), "y.exe");
    EXPECT_EQ(FilePart("C:\\x/y\\z.exe"), "z.exe");
    EXPECT_EQ(FilePart("notepad.exe"), "notepad.exe");
    EXPECT_EQ(FilePart("\"C:\\x\\q.exe\""), "q.exe");
    EXPECT_EQ(FilePart("\"q.exe\" -a"), "q.exe");
    EXPECT_EQ(FilePart("C:\\dir\\"), "");
    EXPECT_EQ(FilePart(""), "");
}

TEST(FilePartOfPath, TriggersMatchWholePathOrFileNameExactly) {
    EXPECT_TRUE(TriggerMatches("C:\\x\\a.exe", "C:\\x\\a.exe"));
    EXPECT_TRUE(TriggerMatches("a.exe", "C:\\x\\a.exe"));
    EXPECT_TRUE(TriggerMatches("a.exe", "D:\\other\\a.exe"));
    EXPECT_FALSE(TriggerMatches("A.exe", "C:\\x\\a.exe"));
    EXPECT_FALSE(TriggerMatches("c:\\x\\a.exe", "C:\\x\\a.exe"));
    EXPECT_FALSE(TriggerMatches("x\\a.exe", "C:\\x\\a.exe"));
    EXPECT_FALSE(TriggerMatches("a", "C:\\x\\a.exe"));
    EXPECT_FALSE(TriggerMatches("", "")) << "an empty trigger names no program";
    EXPECT_FALSE(TriggerMatches("", "C:\\x\\"));
    EXPECT_EQ(TrimBlanks("  C:\\a b.exe  "), "C:\\a b.exe");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST_F(Watcher, AProgramRunningAtTheFirstSnapshotDoesNotFireUntilRestarted) {
    entries.append({"n", "tool.exe", "", "", "C:\\n.exe"});
    const auto first = processes.run("C:\\Tools\\tool.exe");
    watcher.takeFirstSnapshot(processes);
    EXPECT_EQ(pass(), Targets{});
    const auto second = processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{}) << "a second instance";
    processes.end(first);
    EXPECT_EQ(pass(), Targets{}) << "one instance still runs";
    processes.end(second);
    EXPECT_EQ(pass(), Targets{});
    EXPECT_FALSE(watcher.isKnown("C:\\Tools\\tool.exe"));
    processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{"C:\\n.exe"});
}

TEST_F(Watcher, ByNameFromAnyFolderByPathOnlyThatPath) {
    entries.append({"name", "tool.exe", "", "", "C:\\name.exe"});
    entries.append({"path", "C:\\Tools\\tool.exe", "", "", "C:\\path.exe"});
    entries.append({"case", "Tool.exe", "", "", "C:\\case.exe"});
    watcher.takeFirstSnapshot(processes);
    processes.run("D:\\Other\\tool.exe");
    EXPECT_EQ(pass(), Targets{"C:\\name.exe"});
    processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), (Targets{"C:\\name.exe", "C:\\path.exe"})) << "a new path, and both rows match, upper first";
    processes.run("c:\\tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{"C:\\name.exe"});
}

TEST_F(Watcher, TwoInstancesBetweenTwoPassesFireOnceAndEntriesKeepTheirFields) {
    entries.append({"a", "tool.exe", "-p", "X", "C:\\a.exe"});
    entries.append({"b", "tool.exe", "", "", "C:\\b.exe"});
    watcher.takeFirstSnapshot(processes);
    processes.run("C:\\Tools\\tool.exe");
    processes.run("C:\\Tools\\tool.exe");
    pass();
    EXPECT_EQ(launcher.starts, (std::vector<Start>{{"C:\\a.exe", "-p", true}, {"C:\\b.exe", "", false}}));
}

TEST_F(Watcher, ARestartBetweenTwoPassesStaysKnown) {
    entries.append({"a", "tool.exe", "", "", "C:\\a.exe"});
    const auto old = processes.run("C:\\Tools\\tool.exe");
    watcher.takeFirstSnapshot(processes);
    processes.end(old);
    processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{});
}

TEST_F(Watcher, AReusedIdWithANewCreationTimeIsANewProcess) {
    entries.append({"a", "new.exe", "", "", "C:\\a.exe"});
    const auto old = processes.run("C:\\old.exe", 500);
    watcher.takeFirstSnapshot(processes);
    processes.end(old);
    processes.run("C:\\new.exe", 500);
    EXPECT_EQ(pass(), Targets{"C:\\a.exe"});
    EXPECT_FALSE(watcher.isKnown("C:\\old.exe"));
}

TEST_F(Watcher, AProgramThatStartsAndEndsBetweenPassesIsNotNoticed) {
    entries.append({"a", "tool.exe", "", "", "C:\\a.exe"});
    watcher.takeFirstSnapshot(processes);
    processes.end(processes.run("C:\\Tools\\tool.exe"));
    EXPECT_EQ(pass(), Targets{});
}

TEST_F(Watcher, BlankPaddedPathsAreTrimmedAndUnreadableOnesTakePart) {
    entries.append({"a", "tool.exe", "", "", "C:\\a.exe"});
    entries.append({"empty", "", "", "", "C:\\empty.exe"});
    watcher.takeFirstSnapshot(processes);
    EXPECT_TRUE(watcher.isKnown(""));
    processes.run("C:\\Tools\\tool.exe   ");
    processes.run("");
    EXPECT_EQ(pass(), Targets{"C:\\a.exe"}) << "the empty path was already known";
    EXPECT_TRUE(watcher.isKnown("C:\\Tools\\tool.exe"));
}

TEST_F(Watcher, AnEmptyTriggerNeverFires) {
    entries.append({"empty", "", "", "", "C:\\empty.exe"});
    watcher.takeFirstSnapshot(processes);
    processes.run("");  // a process whose path cannot be read
    processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{});
}

TEST_F(Watcher, EntriesChangedBetweenPassesAreReadAfresh) {
    watcher.takeFirstSnapshot(processes);
    processes.run("C:\\Tools\\tool.exe");
    EXPECT_EQ(pass(), Targets{});
    entries.append({"a", "tool.exe", "", "", "C:\\a.exe"});
    EXPECT_EQ(pass(), Targets{}) << "already known when the entry was added";
    processes.run("C:\\Tools\\other.exe");
    entries.append({"b", "other.exe", "", "", "C:\\b.exe"});
    EXPECT_EQ(pass(), Targets{"C:\\b.exe"});
}

TEST_F(Watcher, APassWithoutNewProcessesReadsNoPath) {
    for (int i = 0; i < 40; ++i) processes.run("C:\\p\\" + std::to_string(i % 7) + ".exe");
    watcher.takeFirstSnapshot(processes);
    const std::size_t afterFirst = processes.pathReads;
    EXPECT_EQ(afterFirst, processes.processes.size()) << "each process read once";
    pass();
    pass();
    EXPECT_EQ(processes.pathReads, afterFirst);
    processes.run("C:\\p\\new.exe");
    processes.end(processes.processes[3].identity);
    pass();
    EXPECT_EQ(processes.pathReads, afterFirst + 1) << "only the new process";
    EXPECT_EQ(watcher.knownPathCount(), 7u + 2u + 1u);  // 7 programs, "", explorer, new
}
