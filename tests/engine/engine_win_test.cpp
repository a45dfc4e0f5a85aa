// The Windows readings, the start operation and the process lists, with real
// files, processes and a stub ping.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iostream>

#include "core/precondition_text.h"
#include "core/system_reason_win.h"
#include "engine/captured_run_win.h"
#include "engine/path_probe.h"
#include "engine/process_list_win.h"
#include "engine/process_source_win.h"
#include "engine/start_target_win.h"
#include "engine/paced_worker.h"
#include "engine/system_measures_win.h"
#include "engine/worker_signal_win.h"
#include "helper_processes_win.h"
#include "wait_for_win.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

constexpr std::int64_t kMB = 1024 * 1024;

std::string ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

}  // namespace

// The engine's threads wait on the system's own lock and condition: a job or
// a wake reaches the sleeping worker at once, and a pass comes once its time is due.
TEST(WinWorkerSignal, JobsAndWakesReachASleepingWorkerAndPassesComeWhenDue) {
    std::atomic<int> passes{0}, jobs{0};
    PacedWorker worker([] { return static_cast<std::uint32_t>(::GetTickCount()); },
                       [&] { return ++passes, false; }, &MakeWinWorkerSignal);
    worker.start();
    ASSERT_TRUE(test::WaitFor([&] { return passes == 1; }, 2000));
    ::Sleep(700);
    EXPECT_EQ(passes, 1) << "no pass is wanted after it";
    worker.post([&] { ++jobs; });
    EXPECT_TRUE(test::WaitFor([&] { return jobs == 1; }, 200)) << "a job wakes the worker";
    worker.wake();
    EXPECT_TRUE(test::WaitFor([&] { return passes == 2; }, 1000)) << "a wake asks for a pass";
    worker.stop();
    worker.post([&] { ++jobs; });
    ::Sleep(100);
    EXPECT_EQ(jobs, 1) << "nothing runs after stop";
}

TEST(WinMeasures, DiskAndMemoryFiguresAreSaneAndCompareIn64Bits) {
    WinSystemMeasures measures;
    const DiskFigures disk = measures.diskC();
    EXPECT_GT(disk.totalBytes, 0);
    EXPECT_GE(disk.freeBytes, 0);
    EXPECT_LE(disk.freeBytes, disk.totalBytes);
    const MemoryFigures memory = measures.memory();
    EXPECT_GT(memory.totalBytes, 0u);
    EXPECT_LE(memory.availableBytes, memory.totalBytes);
    // Thresholds around the live figure, read through the evaluator.
    const auto freeMB = static_cast<std::int64_t>(memory.availableBytes) / kMB;
    const std::string huge = std::to_string(static_cast<std::int64_t>(memory.totalBytes / kMB) + 1);
    EXPECT_EQ(ReadCondition(kMemoryFreeAbove, "-1", 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kMemoryUsedAbove, "-1", 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kMemoryFreeBelow, "-1", 0, measures).outcome, ItemOutcome::Fails);
    EXPECT_EQ(ReadCondition(kMemoryFreeBelow, huge, 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kMemoryFreeAbove, huge, 0, measures).outcome, ItemOutcome::Fails);
    EXPECT_EQ(ReadCondition(kMemoryFreeAbove, std::to_string(freeMB / 2), 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kDiskFreeAbove, "-1", 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kDiskUsedBelow, "-1", 0, measures).outcome, ItemOutcome::Fails);
    // Wine reports the host's memory, usually beyond what 32 bits hold.
    std::cout << "memory: " << memory.availableBytes / kMB << " of " << memory.totalBytes / kMB << " MB\n";
}

TEST(WinMeasures, UserNameIsTheAccountName) {
    WinSystemMeasures measures;
    char expected[512] = {};
    ASSERT_GT(::GetEnvironmentVariableA("USERNAME", expected, sizeof expected), 0u);
    EXPECT_EQ(measures.userName(), expected);
    EXPECT_EQ(ReadCondition(kUserNameIs, expected, 0, measures).outcome, ItemOutcome::Holds);
}

TEST(WinMeasures, PathProbeTellsFilesDirectoriesAndDrives) {
    ScratchFolder scratch("tolvane-probe");
    const std::string folder = scratch.subfolder("sub dir");
    const std::string empty = folder + "\\empty file.txt";
    WriteFile(empty, "");
    EXPECT_EQ(ProbePath(empty), PathKind::File) << "an empty file exists";
    EXPECT_EQ(ProbePath(folder), PathKind::Directory);
    EXPECT_EQ(ProbePath(folder + "\\"), PathKind::Directory);
    EXPECT_EQ(ProbePath(folder + "\\*.txt"), PathKind::File) << "wildcards match";
    EXPECT_EQ(ProbePath(folder + "\\missing.txt"), PathKind::Missing);
    EXPECT_EQ(ProbePath(""), PathKind::Missing);
    EXPECT_EQ(ProbePath("C:"), PathKind::Directory);
    EXPECT_EQ(ProbePath("C:\\"), PathKind::Directory);
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Y'; letter > 'D'; --letter) {
        if (drives & (1u << (letter - 'A'))) continue;
        EXPECT_EQ(ProbePath(std::string(1, letter) + ":"), PathKind::Missing) << letter;
        break;
    }
    WinSystemMeasures measures;
    EXPECT_EQ(ReadCondition(kFileExists, empty, 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kFileExists, folder, 0, measures).outcome, ItemOutcome::Fails);
    EXPECT_EQ(ReadCondition(kFileMissing, folder, 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kDirectoryMissing, empty, 0, measures).outcome, ItemOutcome::Holds);
}

TEST(WinMeasures, PathProbeFindsPathsOfMaxPathCharactersOrMore) {
    ScratchFolder scratch("tolvane-long-path");
    // Nested folders of 100 characters each: the deepest path passes MAX_PATH.
    std::string folder = scratch.path();
    const std::string part(100, 'd');
    for (int depth = 0; depth < 3; ++depth) {
        folder += "\\" + part;
        const std::wstring wide = L"\\\\?\\" + std::wstring(folder.begin(), folder.end());
        ASSERT_TRUE(::CreateDirectoryW(wide.c_str(), nullptr)) << folder;
    }
    const std::string file = folder + "\\long.txt";
    ASSERT_GE(file.size(), static_cast<std::size_t>(MAX_PATH));
    const std::wstring wideFile = L"\\\\?\\" + std::wstring(file.begin(), file.end());
    UniqueFileHandle created(::CreateFileW(wideFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(created);
    created.reset();
    EXPECT_EQ(ProbePath(file), PathKind::File);
    EXPECT_EQ(ProbePath(folder), PathKind::Directory);
    EXPECT_EQ(ProbePath(folder + "\\"), PathKind::Directory);
    EXPECT_EQ(ProbePath(folder + "\\*.txt"), PathKind::File) << "wildcards match in long paths too";
    EXPECT_EQ(ProbePath(folder + "\\missing.txt"), PathKind::Missing);
    WinSystemMeasures measures;
    EXPECT_EQ(ReadCondition(kFileExists, file, 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kDirectoryMissing, folder, 0, measures).outcome, ItemOutcome::Fails);
    // The scratch folder removes only what the plain API reaches.
    ::DeleteFileW(wideFile.c_str());
    for (int depth = 0; depth < 3; ++depth) {
        ::RemoveDirectoryW((L"\\\\?\\" + std::wstring(folder.begin(), folder.end())).c_str());
        folder.resize(folder.size() - part.size() - 1);
    }
}

class StubPing : public ::testing::Test {
protected:
    void SetUp() override {
        measures.pingProgram = TestProgramFolder() + "\\tolvane_stub_ping.exe";
        measures.pingTarget = "127.0.0.1";
        log = scratch.path() + "\\ping.log";
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING_LOG", log.c_str());
    }
    void TearDown() override {
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING_LOG", nullptr);
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING", nullptr);
    }
    bool connectedWith(const char* mode) {
        ::SetEnvironmentVariableA("TOLVANE_STUB_PING", mode);
        return measures.pingConnected(nullptr);
    }
    ScratchFolder scratch{"tolvane-ping"};
    WinSystemMeasures measures;
    std::string log;
};

TEST_F(StubPing, OnlyAnEchoReplyCountsAsConnected) {
    EXPECT_TRUE(connectedWith("reply-en"));
    EXPECT_EQ(ReadAll(log).substr(ReadAll(log).find('\n') + 1),
              "\"" + measures.pingProgram + "\" -w 1000 -n 1 127.0.0.1");
    EXPECT_TRUE(connectedWith("reply-de"));
    EXPECT_TRUE(connectedWith("reply-v6-en")) << "IPv6 replies carry no TTL";
    EXPECT_TRUE(connectedWith("reply-v6-de"));
    EXPECT_FALSE(connectedWith("reply-exit1")) << "ping's own verdict reaches the decision";
    EXPECT_FALSE(connectedWith("timeout-de"));
    EXPECT_FALSE(connectedWith("unreachable"));
    EXPECT_FALSE(connectedWith("unreachable-v6-de"));
    EXPECT_FALSE(connectedWith("lookup-en"));
    EXPECT_FALSE(connectedWith("empty"));
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "reply-v6-de");
    EXPECT_EQ(ReadCondition(kInternetOnline, "", 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kInternetOffline, "", 0, measures).outcome, ItemOutcome::Fails);
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "timeout-de");
    EXPECT_EQ(ReadCondition(kInternetOffline, "", 0, measures).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kInternetOnline, "", 0, measures).outcome, ItemOutcome::Fails);
}

TEST_F(StubPing, APingThatWritesWithoutEndIsCutAtTheBoundAndEnded) {
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "flood");
    const auto run = RunAndCapture(measures.pingProgram, "ping", 60000, kPingOutputLimit);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->outputCut);
    EXPECT_FALSE(run->finished) << "ended as soon as the bound was reached, long before the time bound";
    EXPECT_EQ(run->output.size(), kPingOutputLimit);
    EXPECT_NE(run->output.find("Reply from 127.0.0.1:"), std::string::npos);
    const unsigned long pid = std::stoul(ReadAll(log));
    if (HANDLE stub = ::OpenProcess(SYNCHRONIZE, FALSE, pid)) {
        EXPECT_EQ(::WaitForSingleObject(stub, 0), WAIT_OBJECT_0) << "the stub was ended";
        ::CloseHandle(stub);
    }
    // A reply followed by a flood is not the answer to one echo request.
    EXPECT_FALSE(connectedWith("flood"));
    EXPECT_EQ(ReadCondition(kInternetOffline, "", 0, measures).outcome, ItemOutcome::Holds);
}

TEST_F(StubPing, OutputUpToTheBoundIsKeptWholeAndOneByteMoreIsCut) {
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "reply-v6-en");
    const auto whole = RunAndCapture(measures.pingProgram, "ping", 5000, kPingOutputLimit);
    ASSERT_TRUE(whole);
    ASSERT_TRUE(whole->finished);
    EXPECT_FALSE(whole->outputCut);
    EXPECT_EQ(whole->exitCode, 0u);
    const std::size_t size = whole->output.size();
    ASSERT_GT(size, 100u);
    const auto exact = RunAndCapture(measures.pingProgram, "ping", 5000, size);
    ASSERT_TRUE(exact);
    EXPECT_TRUE(exact->finished);
    EXPECT_FALSE(exact->outputCut);
    EXPECT_EQ(exact->output, whole->output);
    const auto over = RunAndCapture(measures.pingProgram, "ping", 5000, size - 1);
    ASSERT_TRUE(over);
    EXPECT_TRUE(over->outputCut);
    EXPECT_EQ(over->output, whole->output.substr(0, size - 1));
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "lookup-en");
    const auto failed = RunAndCapture(measures.pingProgram, "ping", 5000, kPingOutputLimit);
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->finished);
    EXPECT_EQ(failed->exitCode, 1u);
}

TEST_F(StubPing, AMissingPingMeansNoConnection) {
    measures.pingProgram = scratch.path() + "\\no-such-ping.exe";
    EXPECT_FALSE(measures.pingConnected(nullptr));
    EXPECT_EQ(ReadCondition(kInternetOffline, "", 0, measures).outcome, ItemOutcome::Holds);
}

TEST_F(StubPing, APingThatDoesNotEndIsTerminatedAtTheTimeBound) {
    measures.pingTimeoutMs = 1500;
    const DWORD begin = ::GetTickCount();
    EXPECT_FALSE(connectedWith("hang"));
    const DWORD took = ::GetTickCount() - begin;
    EXPECT_GE(took, 1400u);
    EXPECT_LT(took, 10000u);
    const unsigned long pid = std::stoul(ReadAll(log));
    HANDLE stub = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (stub) {  // the id may already be gone, which is just as good
        EXPECT_EQ(::WaitForSingleObject(stub, 0), WAIT_OBJECT_0) << "the stub was ended";
        ::CloseHandle(stub);
    }
}

TEST(WinPing, ThePingProgramIsNamedByItsFullSystemPath) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(SystemPingPath(), std::string(system) + "\\ping.exe");
    EXPECT_EQ(WinSystemMeasures{}.pingProgram, SystemPingPath());
}

TEST(WinStartTarget, StartsProgramsWithBlanksParametersAndHidden) {
    ScratchFolder scratch("tolvane-start");
    const std::string helper = scratch.subfolder("with blank") + "\\helper copy.exe";
    ASSERT_TRUE(CopyMarkerHelper(helper));
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);
    ASSERT_TRUE(StartTarget(helper, "-a \"b c\"", false).ok());
    ASSERT_EQ(WaitForMarkers(marker, 1).size(), 1u);
    ASSERT_TRUE(StartTarget(helper, "", true).ok());
    const auto lines = WaitForMarkers(marker, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].module, helper);
    std::vector<std::string> commandLines{lines[0].commandLine, lines[1].commandLine};
    std::sort(commandLines.begin(), commandLines.end());
    EXPECT_EQ(commandLines, (std::vector<std::string>{"\"" + helper + "\"", "\"" + helper + "\" -a \"b c\""}));
}

TEST(WinStartTarget, OpensDocumentsInTheirFolderAndFailsSilently) {
    ScratchFolder scratch("tolvane-open");
    const std::string helper = scratch.path() + "\\opener.exe";
    ASSERT_TRUE(CopyMarkerHelper(helper));
    // A file type of our own, opened by the helper.
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".tvtest", 0, nullptr, 0, KEY_WRITE, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("tvtestfile"), 11);
    ::RegCloseKey(key);
    const std::string command = "\"" + helper + "\" \"%1\"";
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "tvtestfile\\shell\\open\\command", 0, nullptr, 0,
                                KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);

    const std::string folder = scratch.subfolder("doc folder");
    const std::string document = folder + "\\note.tvtest";
    WriteFile(document, "x");
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);
    EXPECT_TRUE(StartTarget(document, "", false).ok());
    const auto lines = WaitForMarkers(marker, 1);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".tvtest");
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "tvtestfile");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].commandLine.find("note.tvtest"), std::string::npos);
    // The working folder is the document's, with or without the final backslash.
    EXPECT_EQ(lines[0].folder.substr(0, folder.size()), folder);

    // A failure carries the system's reason.
    EXPECT_EQ(StartTarget(scratch.path() + "\\missing.exe", "", false).error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    WriteFile(scratch.path() + "\\unknown.nothingregistered", "x");
    const LaunchResult unknown = StartTarget(scratch.path() + "\\unknown.nothingregistered", "", false);
    EXPECT_FALSE(unknown.ok()) << "no error box";
    // The shell's own result, not what the try as a program left behind.
    EXPECT_EQ(unknown.error, static_cast<DWORD>(ERROR_NO_ASSOCIATION));
}

TEST(WinStartTarget, TheSystemsReasonFillsItsInserts) {
    for (const DWORD code : {ERROR_BAD_EXE_FORMAT, ERROR_INVALID_EXE_SIGNATURE, ERROR_FILE_NOT_FOUND}) {
        const std::string reason = SystemErrorReason(code);
        EXPECT_EQ(reason.find('%'), std::string::npos) << reason;
        EXPECT_NE(reason.find("(Fehler " + std::to_string(code) + ")"), std::string::npos) << reason;
    }
}

// Wine grants a program's request for administrator rights itself, so
// CreateProcess never refuses it there; the shell's consent way is run alone.
TEST(WinStartTarget, TheConsentWayStartsTheProgramWithItsParameters) {
    ScratchFolder scratch("tolvane-runas");
    const std::string helper = scratch.subfolder("admin tool") + "\\tool.exe";
    ASSERT_TRUE(CopyMarkerHelper(helper));
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);
    ASSERT_TRUE(StartTargetBy(StartWay::ElevatedShell, helper, "-a \"b c\"", false).ok());
    const auto lines = WaitForMarkers(marker, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].module, helper);
    EXPECT_NE(lines[0].commandLine.find("-a \"b c\""), std::string::npos) << lines[0].commandLine;
}

// What the wizard takes, the launcher starts: up to 259 characters, and a
// longer path is refused with its own reason, not "Path not found".
TEST(WinStartTarget, APathOfMaxPathOrMoreIsRefusedAndOneBelowStarts) {
    ScratchFolder scratch("tolvane-long-start");
    const std::string folder = scratch.path() + "\\" + std::string(200 - scratch.path().size() - 1, 'd');
    const auto wide = [](const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); };
    ASSERT_TRUE(::CreateDirectoryW(wide(folder).c_str(), nullptr)) << folder;
    const std::string fits = folder + "\\" + std::string(259 - folder.size() - 5, 'h') + ".exe";
    const std::string tooLong = folder + "\\" + std::string(300 - folder.size() - 5, 'l') + ".exe";
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_EQ(tooLong.size(), 300u);
    const std::wstring source = wide(TestProgramFolder() + "\\tolvane_marker_helper.exe");
    for (const std::string& target : {fits, tooLong})
        ASSERT_TRUE(::CopyFileW(source.c_str(), wide(target).c_str(), FALSE)) << target;
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);

    EXPECT_EQ(ProbePath(tooLong), PathKind::File) << "the file is there";
    EXPECT_FALSE(FitsStartPath(tooLong)) << "so the wizard does not take it";
    EXPECT_EQ(StartTarget(tooLong, "", false).error, kErrorPathTooLong);
    EXPECT_TRUE(FitsStartPath(fits));
    ASSERT_TRUE(StartTarget(fits, "-x", false).ok());
    const auto lines = WaitForMarkers(marker, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].commandLine, "\"" + fits + "\" -x");

    for (const std::string& target : {fits, tooLong}) ::DeleteFileW(wide(target).c_str());
    ::RemoveDirectoryW(wide(folder).c_str());
}

TEST(WinProcesses, ListingGivesIdsAndCreationTimesWithoutOpening) {
    WinProcessSource source;
    std::vector<ProcessIdentity> listing;
    source.listProcesses(listing);
    FILETIME created{}, ignored{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ignored, &ignored, &ignored);
    const ProcessIdentity self{::GetCurrentProcessId(),
                               (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime};
    EXPECT_NE(std::find(listing.begin(), listing.end(), self), listing.end());
    EXPECT_EQ(source.opens(), 0u);
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(source.processPath(self), module);
    EXPECT_EQ(source.opens(), 1u);
    EXPECT_EQ(ProcessPathOfId(0), "");
}

TEST(WinProcesses, NamesForTheChooserInEnumerationOrder) {
    ScratchFolder scratch("tolvane-names");
    const std::string helper = scratch.path() + "\\named_helper.exe";
    ASSERT_TRUE(CopyMarkerHelper(helper));
    UniqueKernelHandle first = Spawn(helper, "--sleep=30000");
    UniqueKernelHandle second = Spawn(helper, "--sleep=30000");
    ASSERT_TRUE(first && second);
    ::Sleep(300);  // let the loader map the modules
    const std::vector<std::string> names = RunningProcessNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "named_helper.exe"), 2);
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string self = std::string(module).substr(std::string(module).rfind('\\') + 1);
    EXPECT_NE(std::find(names.begin(), names.end(), self), names.end());
    EXPECT_EQ(ProcessNameOfId(0), "IDLE");
    EXPECT_EQ(ProcessNameOfId(::GetProcessId(first.get())), "named_helper.exe");
    // A chosen name must be one the watcher can match: the file part of the path.
    WinProcessSource source;
    std::vector<ProcessIdentity> listed;
    source.listProcesses(listed);
    int compared = 0;
    for (const ProcessIdentity& process : listed) {
        const std::string path = ProcessPathOfId(process.id);
        if (path.empty()) continue;
        EXPECT_EQ(ProcessNameOfId(process.id), path.substr(path.rfind('\\') + 1)) << path;
        ++compared;
    }
    EXPECT_GE(compared, 3);
    EndProcess(first);
    EndProcess(second);
}

TEST(WinPing, TheSystemPingAnswersFromLoopback) {
    WinSystemMeasures measures;
    measures.pingTarget = "127.0.0.1";  // loopback only: nothing leaves the machine
    EXPECT_TRUE(measures.pingConnected(nullptr));
}
