// The engine end to end with real processes: copies of the marker helper as
// targets and as trigger programs, in-process through the engine object and
// through Tolvane.exe with a prepared store.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <deque>
#include <fstream>
#include <vector>

#include "app/app_win.h"
#include "core/store_format.h"
#include "core/store_location_win.h"
#include "core/entry_store.h"
#include "core/precondition_text.h"
#include "core/texts.h"
#include "core/unique_handle_win.h"
#include "engine/captured_run_win.h"
#include "helper_processes_win.h"
#include "start_engine_win.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// Long enough for a started helper to have written its line.
constexpr DWORD kSettleMs = 800;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        target = scratch.subfolder("targets") + "\\target.exe";
        triggerA = scratch.subfolder("a") + "\\trigger_tool.exe";
        triggerB = scratch.subfolder("b") + "\\trigger_tool.exe";
        other = scratch.subfolder("c") + "\\other_tool.exe";
        for (const std::string* copy : {&target, &triggerA, &triggerB, &other}) ASSERT_TRUE(CopyMarkerHelper(*copy));
        marker = scratch.path() + "\\marker.txt";
        UseMarkerFile(marker);
        startTime = ::GetTickCount();
    }
    void TearDown() override {
        for (UniqueKernelHandle& process : running) EndProcess(process);
    }
    void pass(bool systemStartMode = false) { engine.runStartPass(model, systemStartMode, startTime); }
    UniqueKernelHandle& spawn(const std::string& program) {
        running.push_back(Spawn(program, "--sleep=60000"));
        EXPECT_TRUE(running.back());
        return running.back();
    }
    // Parameters of the started targets, in the order the processes were created.
    std::vector<std::string> targetsStarted(std::size_t expected) {
        std::vector<MarkerLine> lines;
        const DWORD begin = ::GetTickCount();
        do {
            lines = ReadMarkers(marker);
            std::erase_if(lines, [&](const MarkerLine& l) { return l.module != target; });
            if (lines.size() >= expected) break;
            ::Sleep(50);
        } while (::GetTickCount() - begin < 5000);
        if (lines.size() == expected) ::Sleep(kSettleMs);  // and no more follow
        lines = ReadMarkers(marker);
        std::erase_if(lines, [&](const MarkerLine& l) { return l.module != target; });
        std::stable_sort(lines.begin(), lines.end(),
                         [](const MarkerLine& x, const MarkerLine& y) { return x.createTime < y.createTime; });
        std::vector<std::string> parameters;
        const std::string quoted = "\"" + target + "\"";
        for (const MarkerLine& l : lines) parameters.emplace_back(TrimBlanks(l.commandLine.substr(quoted.size())));
        return parameters;
    }
    std::string Condition(int kind, const std::string& value) {
        return std::string(KindLabel(kind)) + "{" + value + "};";
    }

    using Started = std::vector<std::string>;
    ScratchFolder scratch{"tolvane-e2e"};
    std::string target, triggerA, triggerB, other, marker;
    std::uint32_t startTime = 0;
    EntryModel model;
    WinStartEngine engine;
    std::deque<UniqueKernelHandle> running;  // references stay valid as it grows
};

}  // namespace

TEST_F(EndToEnd, ASystemStartEntryStartsOnceAndOnlyInSystemStartMode) {
    model.systemStart.append({"s", "", "once", "", target}, 1);
    engine.takeFirstSnapshot();
    pass(false);
    pass(false);
    EXPECT_EQ(targetsStarted(0), Started{});
    EXPECT_EQ(model.systemStart[0].pending, 1u);
    pass(true);
    pass(true);
    EXPECT_EQ(targetsStarted(1), Started{"once"});
    pass(true);
    EXPECT_EQ(targetsStarted(1), Started{"once"});
}

TEST_F(EndToEnd, AWaitingTimeDelaysTheStartAndAFailedConditionPreventsIt) {
    const std::string flag = scratch.path() + "\\flag.txt";
    model.systemStart.append({"w", Condition(kWaitSeconds, "2"), "waited", "", target}, 1);
    model.systemStart.append({"f", Condition(kFileExists, flag), "flagged", "", target}, 1);
    engine.takeFirstSnapshot();
    pass(true);
    EXPECT_EQ(model.systemStart[0].pending, 1u);
    EXPECT_EQ(model.systemStart[1].pending, 0u);
    ::CloseHandle(::CreateFileA(flag.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    while (static_cast<std::int32_t>(::GetTickCount() - startTime) < 1500) {
        pass(true);
        ::Sleep(100);
    }
    EXPECT_EQ(targetsStarted(0), Started{});
    EXPECT_EQ(model.systemStart[0].pending, 1u);
    ::Sleep(600);
    pass(true);
    EXPECT_EQ(model.systemStart[0].pending, 0u);
    EXPECT_EQ(targetsStarted(1), Started{"waited"}) << "the failed entry stays off although its file exists now";
}

TEST_F(EndToEnd, TriggersFireOnNewStartsByNameAndByPath) {
    model.programStart.append({"name", "trigger_tool.exe", "byname", "", target});
    model.programStart.append({"path", triggerA, "bypath", "", target});
    UniqueKernelHandle& a1 = spawn(triggerA);
    ::Sleep(200);
    engine.takeFirstSnapshot();
    pass();
    EXPECT_EQ(targetsStarted(0), Started{}) << "running at start-up";

    UniqueKernelHandle& b1 = spawn(triggerB);
    pass();
    EXPECT_EQ(targetsStarted(1), Started{"byname"}) << "the name matches in any folder, the path does not";
    UniqueKernelHandle& b2 = spawn(triggerB);
    pass();
    EXPECT_EQ(targetsStarted(1), Started{"byname"}) << "a second instance";

    EndProcess(a1);
    pass();
    spawn(triggerA);
    pass();
    EXPECT_EQ(targetsStarted(3), (Started{"byname", "byname", "bypath"})) << "both rows, upper first";

    EndProcess(b1);
    pass();
    EXPECT_EQ(targetsStarted(3).size(), 3u) << "one instance of b still runs";
    EndProcess(b2);
    pass();
    spawn(triggerB);
    pass();
    EXPECT_EQ(targetsStarted(4).size(), 4u) << "again after all instances ended";
}

TEST_F(EndToEnd, TwoEntriesWithOneTriggerStartUpperFirstWithTheirFields) {
    model.programStart.append({"upper", "other_tool.exe", "upper", "X", target});
    model.programStart.append({"lower", "other_tool.exe", "lower \"x y\"", "", target});
    engine.takeFirstSnapshot();
    spawn(other);
    pass();
    EXPECT_EQ(targetsStarted(2), (Started{"upper", "lower \"x y\""}));
}

// Tolvane.exe itself with a prepared store; the user's store is put back.
class TolvaneRun : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        storePath = StoreFilePath();
        ASSERT_FALSE(storePath.empty());
        saved = storePath + ".e2e-saved";
        ::DeleteFileA(saved.c_str());
        hadStore = ::MoveFileA(storePath.c_str(), saved.c_str()) != 0;
        EntryModel prepared;
        prepared.systemStart.append({"s", "", "system", "", target});
        prepared.programStart.append({"p", "other_tool.exe", "program", "", target});
        EntryStore store(HostFiles(), storePath, MakeRandomByteSource());
        ASSERT_TRUE(store.save(prepared).saved());
    }
    void TearDown() override {
        EndProcess(tolvane);
        ::DeleteFileA(storePath.c_str());
        ::DeleteFileA((storePath + ".bak").c_str());
        if (hadStore) ::MoveFileA(saved.c_str(), storePath.c_str());
        EndToEnd::TearDown();
    }
    static std::string TolvaneExe() {
        std::string path = "Z:" TOLVANE_EXE_PATH;
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    std::string storePath, saved;
    bool hadStore = false;
    UniqueKernelHandle tolvane;
};

TEST_F(TolvaneRun, StartsSystemEntriesWithDashHAndWatchesInEveryRun) {
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    EXPECT_EQ(targetsStarted(1), Started{"system"});
    ::Sleep(600);  // the first snapshot is taken
    spawn(other);
    EXPECT_EQ(targetsStarted(2), (Started{"system", "program"}));
    EndProcess(tolvane);
    EndProcess(running.back());

    ::DeleteFileA(marker.c_str());
    tolvane = Spawn(TolvaneExe(), "-H");
    ASSERT_TRUE(tolvane);
    ::Sleep(1500);
    spawn(other);
    EXPECT_EQ(targetsStarted(1), Started{"program"}) << "no system-start entry without -h";
}

// The engine's own internet test: ping.exe in the system folder is the stub
// for a test, and the original is put back. Wine loads a file there in place
// of its built-in ping only when told to load it as native: through the
// prefix's registry, since WINEDLLOVERRIDES set by a running program does not
// reach its children.
struct SystemPingStub {
    void install(const std::string& folder) {
        systemPing = SystemPingPath();
        aside = folder + "\\system-ping.exe";
        ASSERT_TRUE(::CopyFileA(systemPing.c_str(), aside.c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA((TestProgramFolder() + "\\tolvane_stub_ping.exe").c_str(), systemPing.c_str(), FALSE));
        replaced = true;
        HKEY key = nullptr;
        ASSERT_EQ(
            ::RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        overridden = ::RegSetValueExA(key, "ping.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>("native"), 7) ==
                     ERROR_SUCCESS;
        ::RegCloseKey(key);
        ASSERT_TRUE(overridden);
        log = folder + "\\ping.log";
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING_LOG", log.c_str());
        // The engine pings a public host name: before it may run, make sure
        // the stub answers in place of the real ping, so nothing is resolved.
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "empty");
        ASSERT_TRUE(RunAndCapture(systemPing, PingCommandLine(systemPing, "127.0.0.1"), 5000, kPingOutputLimit));
        ASSERT_NE(ReadText(log).find("127.0.0.1"), std::string::npos) << "the stub runs as the system's ping";
        ::DeleteFileA(log.c_str());
    }
    ~SystemPingStub() {
        // A ping still hanging when its Tolvane was ended.
        const DWORD id = std::strtoul(ReadText(log).c_str(), nullptr, 10);
        if (id != 0) {
            UniqueKernelHandle hanging(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
            if (hanging) EndProcess(hanging);
        }
        if (overridden) ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kOverrides, "ping.exe");
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING_LOG", nullptr);
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING", nullptr);
        if (replaced) ::CopyFileA(aside.c_str(), systemPing.c_str(), FALSE);
    }
    static std::string ReadText(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static constexpr const char* kOverrides = "Software\\Wine\\DllOverrides";
    std::string systemPing, aside, log;
    bool replaced = false, overridden = false;
};

class SystemFolderPing : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        stub.install(scratch.path());
    }
    // Two fresh entries, one per internet precondition, through one start pass.
    Started startedWhenPingSays(const char* mode) {
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING", mode);
        ::DeleteFileA(marker.c_str());
        EntryModel fresh;
        fresh.systemStart.append({"on", Condition(kInternetOnline, ""), "online", "", target}, 1);
        fresh.systemStart.append({"off", Condition(kInternetOffline, ""), "offline", "", target}, 1);
        WinStartEngine once;
        once.takeFirstSnapshot();
        once.runStartPass(fresh, true, startTime);
        EXPECT_EQ(fresh.systemStart[0].pending + fresh.systemStart[1].pending, 0u) << mode << ": both were decided";
        return targetsStarted(1);
    }
    SystemPingStub stub;
};

TEST_F(SystemFolderPing, AnIPv6ReplyIsAConnectionAndUnreachableOrFloodingIsNot) {
    EXPECT_EQ(startedWhenPingSays("reply-v6-en"), Started{"online"});
    EXPECT_NE(SystemPingStub::ReadText(stub.log).find("\"" + stub.systemPing + "\" -w 1000 -n 1 "), std::string::npos)
        << "the system folder's ping ran";
    EXPECT_EQ(startedWhenPingSays("reply-v6-de"), Started{"online"});
    EXPECT_EQ(startedWhenPingSays("unreachable-v6-de"), Started{"offline"});
    EXPECT_EQ(startedWhenPingSays("timeout-de"), Started{"offline"});
    EXPECT_EQ(startedWhenPingSays("flood"), Started{"offline"});
}

namespace {

BOOL CALLBACK CollectListView(HWND child, LPARAM found) {
    char type[32] = {};
    ::GetClassNameA(child, type, sizeof type);
    if (std::string(type) == WC_LISTVIEWA) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

// Rows of each list view of Tolvane's main window, in creation order.
std::vector<int> ListRowCounts() {
    std::vector<HWND> lists;
    HWND main = ::FindWindowA("TolvaneMainWindow", nullptr);
    if (!main) return {};
    ::EnumChildWindows(main, CollectListView, reinterpret_cast<LPARAM>(&lists));
    std::vector<int> counts;
    for (HWND list : lists) counts.push_back(static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    return counts;
}

}  // namespace

// A backup, sync or virus scanner holds the store at logon.
TEST_F(TolvaneRun, AStoreLockedAtLogonIsLoadedOnceItCanBeReadAndItsEntriesStart) {
    // A save killed midway in an earlier run left its temporary file.
    const std::string leftover = storePath + ".4294967290.tmp";
    UniqueFileHandle(::CreateFileA(leftover.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(::GetFileAttributesA(leftover.c_str()), INVALID_FILE_ATTRIBUTES);
    UniqueFileHandle lock(::CreateFileA(storePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    const DWORD begin = ::GetTickCount();
    while (ListRowCounts().size() < 2 && ::GetTickCount() - begin < 10000) ::Sleep(50);
    ASSERT_EQ(ListRowCounts(), (std::vector<int>{0, 0}));
    // Removed just before the store is read, a moment after the lists exist.
    while (::GetFileAttributesA(leftover.c_str()) != INVALID_FILE_ATTRIBUTES && ::GetTickCount() - begin < 10000)
        ::Sleep(20);
    EXPECT_EQ(::GetFileAttributesA(leftover.c_str()), INVALID_FILE_ATTRIBUTES) << "removed at start";
    ::Sleep(1500);  // a few passes while the file stays locked
    EXPECT_TRUE(ReadMarkers(marker).empty()) << "nothing to start while nothing could be read";
    EXPECT_EQ(ListRowCounts(), (std::vector<int>{0, 0}));

    lock.reset();
    const DWORD unlocked = ::GetTickCount();
    while (ListRowCounts() != std::vector<int>{1, 1} && ::GetTickCount() - unlocked < 5000) ::Sleep(20);
    const DWORD shown = ::GetTickCount() - unlocked;
    EXPECT_EQ(ListRowCounts(), (std::vector<int>{1, 1})) << "the lists show what was loaded";
    std::printf("lists filled %lu ms after the store was released\n", static_cast<unsigned long>(shown));
    EXPECT_EQ(targetsStarted(1), Started{"system"}) << "loaded with its pending marks";
    // Read cleanly after all: no copy aside was needed.
    EXPECT_EQ(::GetFileAttributesA((storePath + ".bak").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The history a logon run leaves: one line per outcome, appended run after run.
class HistoryOfARun : public TolvaneRun {
protected:
    void SetUp() override {
        TolvaneRun::SetUp();
        history = storePath.substr(0, storePath.rfind('\\') + 1) + "tolvane.log";
        for (const std::string& file : {history, history + ".1"}) {
            ::DeleteFileA((file + ".e2e-saved").c_str());
            if (::MoveFileA(file.c_str(), (file + ".e2e-saved").c_str())) keptAside.push_back(file);
        }
        EntryModel prepared;
        prepared.systemStart.append({"Übersicht Größe", "", "gestartet", "", target});
        prepared.systemStart.append({"Platte", Condition(kDiskFreeAbove, "2147483647"), "", "", target});
        prepared.systemStart.append({"Minute", Condition(kWaitSeconds, "60"), "", "", target});
        missing = scratch.path() + "\\fehlt.exe";
        prepared.systemStart.append({"Fehlt", "", "", "", missing});
        EntryStore store(HostFiles(), storePath, MakeRandomByteSource());
        ASSERT_TRUE(store.save(prepared).saved());
    }
    void TearDown() override {
        EndProcess(tolvane);
        for (const std::string& file : {history, history + ".1"}) ::DeleteFileA(file.c_str());
        for (const std::string& file : keptAside) ::MoveFileA((file + ".e2e-saved").c_str(), file.c_str());
        TolvaneRun::TearDown();
    }
    std::vector<std::string> historyLines() {
        std::ifstream in(history, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static std::size_t Count(const std::vector<std::string>& lines, const std::string& part) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }
    // One run with -h until its first passes are recorded and some more passes went by.
    void logonRun(std::size_t failedLinesBefore) {
        tolvane = Spawn(TolvaneExe(), "-h");
        ASSERT_TRUE(tolvane);
        const DWORD begin = ::GetTickCount();
        while (Count(historyLines(), "Start fehlgeschlagen") <= failedLinesBefore && ::GetTickCount() - begin < 15000)
            ::Sleep(100);
        ::Sleep(1500);  // three more passes: the waiting entry is not told again
        EndProcess(tolvane);
    }
    std::string history, missing;
    std::vector<std::string> keptAside;
};

TEST_F(HistoryOfARun, EachOutcomeIsOneLineNamingItsEntryAndASecondRunAppends) {
    logonRun(0);
    std::vector<std::string> lines = historyLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].substr(0, 3), "\xEF\xBB\xBF") << "marked as UTF-8";
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());

    EXPECT_EQ(Count(lines, "Tolvane gestartet mit „-h“"), 1u);
    EXPECT_EQ(Count(lines, "Systemstart „Übersicht Größe“ gestartet"), 1u) << "the name reads as UTF-8";
    EXPECT_EQ(Count(lines, "\"" + target + "\" gestartet"), 1u) << "the exact command line";
    EXPECT_EQ(Count(lines, "Systemstart „Platte“ wird bis zur nächsten Anmeldung nicht gestartet: „Freier "
                           "Festplattenspeicher größer als ... 2147483647“ ist nicht erfüllt, gemessen: "),
              1u);
    EXPECT_EQ(Count(lines, " MB frei"), 1u) << "the measured figure";
    EXPECT_EQ(Count(lines, "Systemstart „Minute“ wartet auf „Wartezeit von ... 60“"), 1u);
    EXPECT_EQ(Count(lines, "Start fehlgeschlagen: Systemstart „Fehlt“, \"" + missing + "\""), 1u);
    EXPECT_EQ(Count(lines, "(Fehler 2)"), 1u) << "the system's reason";
    EXPECT_EQ(targetsStarted(1), Started{"gestartet"});

    logonRun(1);
    const std::vector<std::string> both = historyLines();
    ASSERT_GT(both.size(), lines.size());
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), both.begin())) << "the first run's lines remain";
    EXPECT_EQ(Count(both, "Tolvane gestartet mit „-h“"), 2u);
    EXPECT_EQ(Count(both, "Systemstart „Minute“ wartet"), 2u) << "once per run";
    EXPECT_EQ(Count(both, "Start fehlgeschlagen"), 2u);
}

// The kinds that wait for a change, in a logon run: the entry waits while
// the figure says no, that is told once, and it starts once the figure says yes.
class WaitingRun : public HistoryOfARun {
protected:
    void prepare(const StartEntry& entry) {
        EntryModel prepared;
        prepared.systemStart.append(entry);
        ASSERT_TRUE(EntryStore(HostFiles(), storePath, MakeRandomByteSource()).save(prepared).saved());
    }
    // The first history line holding `part`, once there; empty after the time.
    std::string awaitLine(const std::string& part, DWORD timeoutMs) {
        for (const DWORD begin = ::GetTickCount(); ::GetTickCount() - begin < timeoutMs; ::Sleep(50))
            for (const std::string& line : historyLines())
                if (line.find(part) != std::string::npos) return line;
        return {};
    }
    static int MeasuredPercent(const std::string& line) {
        const std::size_t at = line.find("(gemessen: ");
        return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + 11);
    }
};

TEST_F(WaitingRun, ABusyProcessorKeepsALoadEntryWaitingUntilTheBusyProgramEnds) {
    prepare({"Ruhe", Condition(kProcessorLoadBelow, "50"), "ruhig", "", target});
    const std::string busy = scratch.subfolder("busy") + "\\busy_tool.exe";
    ASSERT_TRUE(CopyMarkerHelper(busy));
    running.push_back(Spawn(busy, "--spin=300000"));
    UniqueKernelHandle& spinning = running.back();
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(spinning && tolvane);

    // Told once the readings span ten seconds of the busy processors.
    const std::string waiting =
        awaitLine("Systemstart „Ruhe“ wartet auf „Prozessorauslastung kleiner als ... 50“ (gemessen: ", 30000);
    ASSERT_FALSE(waiting.empty());
    EXPECT_GE(MeasuredPercent(waiting), 50) << waiting;
    EXPECT_EQ(targetsStarted(0), Started{});

    EndProcess(spinning);
    const std::string started = awaitLine("Systemstart „Ruhe“ gestartet", 60000);
    ASSERT_FALSE(started.empty()) << "the load fell below 50 % once the busy program ended";
    std::printf("%s\n%s\n", waiting.c_str(), started.c_str());
    EXPECT_LT(MeasuredPercent(started), 50) << started;
    EXPECT_EQ(targetsStarted(1), Started{"ruhig"});
    EXPECT_EQ(Count(historyLines(), "Systemstart „Ruhe“ wartet"), 1u);
}

TEST_F(WaitingRun, AnEntryForARunningProgramStartsWithinAPassOfItsStart) {
    prepare({"VPN", Condition(kProgramRunning, "other_tool.exe"), "verbunden", "", target});
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    EXPECT_FALSE(awaitLine("„VPN“ wartet auf „Programm ... läuft other_tool.exe“ (gemessen: läuft nicht)", 15000).empty());
    EXPECT_EQ(targetsStarted(0), Started{});

    const DWORD spawned = ::GetTickCount();
    spawn(other);
    const std::string started = awaitLine("Systemstart „VPN“ gestartet", 5000);
    const DWORD took = ::GetTickCount() - spawned;
    ASSERT_FALSE(started.empty());
    std::printf("started %lu ms after the program it waited for\n", static_cast<unsigned long>(took));
    // One pass comes every half second; the rest is Wine making both processes.
    EXPECT_LT(took, 3000u);
    EXPECT_NE(started.find("(gemessen: läuft: " + other + ")"), std::string::npos) << started;
    EXPECT_EQ(targetsStarted(1), Started{"verbunden"});
}

// Watching never pauses: not for a modal window, not for a slow answer.
namespace {

struct BoxSearch {
    DWORD process = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<BoxSearch*>(search);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char type[16] = {};
    ::GetClassNameA(window, type, sizeof type);
    if (process != wanted.process || std::string(type) != "#32770" || !::IsWindowVisible(window)) return TRUE;
    wanted.found = window;
    return FALSE;
}

// Tolvane's open message box, once it is there.
HWND WaitForMessageBox(HANDLE tolvane) {
    BoxSearch search{::GetProcessId(tolvane)};
    for (const DWORD begin = ::GetTickCount(); !search.found && ::GetTickCount() - begin < 10000; ::Sleep(50))
        ::EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForMainWindow() {
    HWND main = nullptr;
    for (const DWORD begin = ::GetTickCount(); !main && ::GetTickCount() - begin < 10000; ::Sleep(50))
        main = ::FindWindowA("TolvaneMainWindow", nullptr);
    return main;
}

}  // namespace

TEST_F(TolvaneRun, TriggersAndLogonStartsGoOnWhileTheAboutBoxOrAQuestionIsOpen) {
    EntryModel prepared;
    prepared.systemStart.append({"s", Condition(kWaitSeconds, "2"), "system", "", target});
    prepared.programStart.append({"p", "other_tool.exe", "program", "", target});
    ASSERT_TRUE(EntryStore(HostFiles(), storePath, MakeRandomByteSource()).save(prepared).saved());
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    const HWND main = WaitForMainWindow();
    ASSERT_TRUE(main);
    ::Sleep(800);  // the first snapshot is taken

    ::PostMessageA(main, WM_COMMAND, 5, 0);  // "Über Tolvane"
    HWND box = WaitForMessageBox(tolvane.get());
    ASSERT_TRUE(box);
    UniqueKernelHandle briefly = Spawn(other, "--sleep=1000");
    EXPECT_EQ(targetsStarted(2), (Started{"program", "system"})) << "with the About box open";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ::WaitForSingleObject(briefly.get(), 10000);

    ::PostMessageA(main, WM_COMMAND, 4, 0);  // "Tolvane beenden": the question waits
    box = WaitForMessageBox(tolvane.get());
    ASSERT_TRUE(box);
    briefly = Spawn(other, "--sleep=1000");
    EXPECT_EQ(targetsStarted(3), (Started{"program", "system", "program"})) << "while the question waits";
    ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    ::WaitForSingleObject(briefly.get(), 10000);
}

class TolvaneRunWithPing : public TolvaneRun {
protected:
    void SetUp() override {
        TolvaneRun::SetUp();
        stub.install(scratch.path());
    }
    SystemPingStub stub;
};

TEST_F(TolvaneRunWithPing, InternetEntriesAwaitingAHangingPingHoldUpNeitherTheWindowNorTheWatcher) {
    EntryModel prepared;
    for (int n = 0; n < 10; ++n) prepared.systemStart.append({"net", Condition(kInternetOnline, ""), "net", "", target});
    prepared.systemStart.append({"plain", "", "plain", "", target});
    prepared.programStart.append({"p", "other_tool.exe", "program", "", target});
    ASSERT_TRUE(EntryStore(HostFiles(), storePath, MakeRandomByteSource()).save(prepared).saved());
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "hang");
    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    const HWND main = WaitForMainWindow();
    ASSERT_TRUE(main);

    // The window is asked every 100 ms for 4 s; the trigger runs for a
    // second in the middle of it, while every ping so far hangs.
    DWORD slowest = 0;
    int unanswered = 0;
    UniqueKernelHandle briefly;
    for (const DWORD begin = ::GetTickCount(); ::GetTickCount() - begin < 4000; ::Sleep(100)) {
        if (!briefly && ::GetTickCount() - begin > 1500) briefly = Spawn(other, "--sleep=1000");
        DWORD_PTR result = 0;
        const DWORD asked = ::GetTickCount();
        if (!::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) ++unanswered;
        slowest = std::max<DWORD>(slowest, ::GetTickCount() - asked);
    }
    std::printf("slowest answer of the main window: %lu ms\n", static_cast<unsigned long>(slowest));
    EXPECT_EQ(unanswered, 0);
    EXPECT_EQ(targetsStarted(2), (Started{"plain", "program"})) << "the ping holds up only its own entries";
    ::WaitForSingleObject(briefly.get(), 10000);
}

TEST_F(HistoryOfARun, ADamagedStoreAtLogonIsKeptAsideToldAndStartsNothing) {
    // One letter changed inside, as a failing disk or a stray write would.
    std::ifstream in(storePath, std::ios::binary);
    std::string plain = Unscramble(std::string(std::istreambuf_iterator<char>(in), {}));
    in.close();
    const std::size_t at = plain.find("gestartet");
    ASSERT_NE(at, std::string::npos);
    plain[at] = 'G';
    std::ofstream(storePath, std::ios::binary | std::ios::trunc) << Scramble(plain, MakeRandomByteSource());

    tolvane = Spawn(TolvaneExe(), "-h");
    ASSERT_TRUE(tolvane);
    const DWORD begin = ::GetTickCount();
    while (Count(historyLines(), "ist beschädigt") == 0 && ::GetTickCount() - begin < 10000) ::Sleep(100);
    ::Sleep(1500);  // three passes
    EXPECT_EQ(Count(historyLines(), "ist beschädigt und wurde nach „" + storePath + ".bak“ kopiert"), 1u);
    EXPECT_EQ(targetsStarted(0), Started{}) << "none of its rows is started";
    EXPECT_EQ(Count(historyLines(), "Start fehlgeschlagen"), 0u);
    EXPECT_NE(::GetFileAttributesA((storePath + ".bak").c_str()), INVALID_FILE_ATTRIBUTES) << "kept aside at once";
}
