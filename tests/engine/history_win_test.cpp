// The history file through Windows' own file calls: a file an editor holds
// open, one held without sharing, the cost of a write, opening it, and what
// a start at once leaves in it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "app/history_viewer_win.h"
#include "core/history_win.h"
#include "core/system_reason_win.h"
#include "core/unique_handle_win.h"
#include "engine/start_history.h"
#include "helper_processes_win.h"
#include "start_engine_win.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

UniqueFileHandle Hold(const std::string& path, DWORD share) {
    return UniqueFileHandle(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_ALWAYS, 0, nullptr));
}

class WinHistory : public ::testing::Test {
protected:
    ScratchFolder scratch{"tolvane-history"};
    std::string path = scratch.path() + "\\tolvane.log";
    HistoryFile history{HostFiles(), path, LocalTimeNow};
};

}  // namespace

TEST(WinHistoryPlace, BesideTheStoreInTheProfileFolder) {
    char profile[MAX_PATH] = {};
    ASSERT_NE(::GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH), 0u);
    EXPECT_EQ(HistoryFilePath(), std::string(profile) + "\\tolvane.log");
}

TEST_F(WinHistory, AnEditorHoldingTheFileDoesNotStopALineButAnExclusiveHoldDelaysIt) {
    history.add("eins");
    ASSERT_TRUE(history.flush());
    {
        UniqueFileHandle editor = Hold(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(editor);
        history.add("zwei");
        EXPECT_TRUE(history.flush());
    }
    {
        UniqueFileHandle locked = Hold(path, 0);
        ASSERT_TRUE(locked);
        history.add("drei");
        EXPECT_FALSE(history.flush()) << "nothing is shown and nothing is waited for";
        EXPECT_EQ(history.waitingLines(), 1u);
    }
    EXPECT_TRUE(history.flush());
    const std::string text = Read(path);
    EXPECT_NE(text.find("eins\r\n"), std::string::npos);
    EXPECT_NE(text.find("zwei\r\n"), std::string::npos);
    EXPECT_NE(text.find("drei\r\n"), std::string::npos);
}

TEST_F(WinHistory, WhenAnEditorHoldsTheOlderFileTheHistoryBeginsAnewWithinItsBound) {
    { std::ofstream(path, std::ios::binary) << std::string(kHistoryLimitBytes - 10, 'x'); }
    UniqueFileHandle editor = Hold(path + ".1", FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(editor);
    HistoryFile held(HostFiles(), path, LocalTimeNow, SystemErrorReason);
    held.add("nach dem Rotieren");
    ASSERT_TRUE(held.flush());
    const std::string text = Read(path);
    EXPECT_LT(text.size(), 1000u) << "begun anew, not grown past the bound";
    EXPECT_NE(text.find("ließ sich nicht nach „" + path + ".1“ verschieben: "), std::string::npos) << text;
    // Wine 8.0 refuses the rename with ERROR_ACCESS_DENIED; the system's words come with the code.
    EXPECT_NE(text.find(": " + SystemErrorReason(ERROR_ACCESS_DENIED) + "; "), std::string::npos) << text;
    EXPECT_NE(text.find("nach dem Rotieren\r\n"), std::string::npos);
}

TEST_F(WinHistory, AWriteCostsAboutAMillisecond) {
    LARGE_INTEGER frequency, begin, end;
    ::QueryPerformanceFrequency(&frequency);
    constexpr int kWrites = 200;
    ::QueryPerformanceCounter(&begin);
    for (int i = 0; i < kWrites; ++i) {
        history.add("Systemstart „Übersicht“ gestartet, 3 s nach dem Start von Tolvane: \"C:\\Tools\\x.exe\" -a");
        ASSERT_TRUE(history.flush());
    }
    ::QueryPerformanceCounter(&end);
    const double each = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / frequency.QuadPart / kWrites;
    std::printf("one history line written (open, append, close): %.3f ms\n", each);
    EXPECT_LT(each, 50.0);
}

TEST_F(WinHistory, ShowingAMissingHistoryMakesItEmptyAndOpensIt) {
    // A file type of the test's own stands in for text files, opened by the helper.
    const std::string helper = scratch.path() + "\\viewer.exe";
    ASSERT_TRUE(CopyMarkerHelper(helper));
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".tvlog", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("tvlogfile"), 10);
    ::RegCloseKey(key);
    const std::string command = "\"" + helper + "\" \"%1\"";
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "tvlogfile\\shell\\open\\command", 0, nullptr, 0, KEY_WRITE,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);

    const std::string shown = scratch.path() + "\\verlauf.tvlog";
    Notifier notify;
    notify.ask = [](const std::string& text, const std::string&, UINT) {
        ADD_FAILURE() << "told: " << text;
        return IDOK;
    };
    ShowHistory(shown, notify);
    const auto lines = WaitForMarkers(marker, 1);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".tvlog");
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "tvlogfile");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].commandLine.find("verlauf.tvlog"), std::string::npos);
    EXPECT_NE(::GetFileAttributesA(shown.c_str()), INVALID_FILE_ATTRIBUTES) << "made before it is opened";
}

TEST_F(WinHistory, AHistoryThatCannotBeOpenedIsToldWithItsPathAndWhy) {
    struct Case {
        const char* file;
        bool folder;
        const char* why;
    };
    for (const Case& c : {Case{"verlauf.log", true, "Ordner"}, Case{"verlauf.keinprogramm", false, "kein Programm"}}) {
        const std::string shown = scratch.path() + "\\" + c.file;
        if (c.folder) ::CreateDirectoryA(shown.c_str(), nullptr);
        std::vector<std::string> told;
        Notifier notify;
        notify.ask = [&](const std::string& text, const std::string&, UINT) {
            told.push_back(text);
            return IDOK;
        };
        ShowHistory(shown, notify);
        ASSERT_EQ(told.size(), 1u) << c.file;
        EXPECT_NE(told[0].find(c.file), std::string::npos) << told[0];
        EXPECT_NE(told[0].find(c.why), std::string::npos) << told[0];
        EXPECT_EQ(told[0].find("%1"), std::string::npos) << told[0];
    }
}

TEST_F(WinHistory, StartingNowGoesThroughTheLauncherAndAFailureCarriesWindowsReason) {
    const std::string target = scratch.path() + "\\ziel.exe";
    ASSERT_TRUE(CopyMarkerHelper(target));
    const std::string marker = scratch.path() + "\\marker.txt";
    UseMarkerFile(marker);
    HistoryEvents events;
    events.record = [this](const std::string& text) { history.add(text); };
    events.reasonOf = SystemErrorReason;
    std::vector<std::string> shown;
    events.failed = [&](const FailedStart& failure) {
        const FailureNotice notice = StartFailuresNotice({failure});
        shown = {notice.title, notice.text};
    };
    WinStartEngine engine;
    engine.tell(events);

    EXPECT_TRUE(engine.startNow({"Ziel", "trigger.exe", "-a \"b c\"", "", target}).ok());
    const auto lines = WaitForMarkers(marker, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].commandLine, "\"" + target + "\" -a \"b c\"") << "with its parameters, as a pass starts it";
    EXPECT_TRUE(shown.empty());

    const std::string missing = scratch.path() + "\\weg.exe";
    EXPECT_EQ(engine.startNow({"Größe", "", "", "X", missing}).error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "„Größe“ konnte nicht gestartet werden:\r\n" + SystemErrorReason(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(shown[1].find("(Fehler 2)"), std::string::npos);

    ASSERT_TRUE(history.flush());
    const std::string text = Read(path);
    EXPECT_NE(text.find("„Ziel“ mit „Jetzt starten“ gestartet: \"" + target + "\" -a \"b c\"\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Start fehlgeschlagen: „Größe“, \"" + missing + "\": "), std::string::npos) << text;
}
