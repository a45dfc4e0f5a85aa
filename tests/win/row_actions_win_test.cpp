// What the rows' commands do in the program, through the engine the passes
// use: "Jetzt starten" starts the target with its parameters and records it;
// a start that fails shows the balloon and its history line; "Vorraussetzungen
// prüfen" shows each item's state measured now.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/engine_link_win.h"
#include "app/row_actions_win.h"
#include "app/run_history_win.h"
#include "app/app_win.h"
#include "core/history_win.h"
#include "engine/helper_processes_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "tests/win/message_pump_win.h"
#include "tests/win/window_reading_win.h"

using namespace tolvane;
using tolvane::testing::PumpUntil;

namespace {

struct Balloon {
    std::wstring title, text;
    DWORD icon;
};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class RowActions : public ::testing::Test {
protected:
    void SetUp() override {
        app_.history = std::make_unique<HistoryFile>(HostFiles(), historyPath_, LocalTimeNow);
        app_.clock.start(::GetTickCount());
        window_ = std::make_unique<MainWindow>(app_, images_, true);
        ASSERT_TRUE(window_->window());
        ASSERT_TRUE(window_->tray().added());
        engine_ = std::make_unique<EngineLink>(app_, window_->window());
        app_.entriesCommitted = [this] { engine_->handEntries(); };
        WireRowActions(app_, *window_, *engine_);
        engine_->start();
        window_->tray().notifyBalloon = [this](DWORD, NOTIFYICONDATAW* data) {
            balloons_.push_back({data->szInfoTitle, data->szInfo, data->dwInfoFlags});
            return TRUE;
        };
    }

    tolvane::testing::ScratchFolder scratch_{"tolvane-row-actions"};
    std::string historyPath_ = scratch_.path() + "\\tolvane.log";
    App app_;
    ImageSet images_ = ImageSet::Load(::GetModuleHandleA(nullptr));
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<EngineLink> engine_;
    std::vector<Balloon> balloons_;
};

TEST_F(RowActions, AFailedStartShowsTheBalloonAndLeavesItsHistoryLine) {
    const std::string missing = scratch_.path() + "\\weg\\nicht-da.exe";
    app_.model.programStart.append({"Fählt", "x.exe", "", "", missing});
    app_.commitEntries();
    window_->actions.startNow(ListKind::ProgramStart, 0);
    ASSERT_TRUE(PumpUntil([this] { return !balloons_.empty(); }));
    ASSERT_EQ(balloons_.size(), 1u);
    EXPECT_EQ(balloons_[0].title, L"Start fehlgeschlagen");
    EXPECT_EQ(balloons_[0].text.rfind(L"\u201EF\u00E4hlt\u201C konnte nicht gestartet werden:\r\n", 0), 0u)
        << "names the entry";
    // The shell reports a missing folder as a missing file (2) or path (3), depending on the system.
    const bool withCode = balloons_[0].text.find(L"(Fehler 2)") != std::wstring::npos ||
                          balloons_[0].text.find(L"(Fehler 3)") != std::wstring::npos;
    EXPECT_TRUE(withCode) << "the system's reason with its code";
    EXPECT_EQ(balloons_[0].icon, DWORD(NIIF_ERROR));
    const std::string history = Read(historyPath_);
    EXPECT_NE(history.find("Start fehlgeschlagen: „Fählt“, \"" + missing + "\": "), std::string::npos)
        << history;
}

TEST_F(RowActions, AStartThatWorksPassesItsParametersRecordsItAndShowsNothing) {
    const std::string target = scratch_.path() + "\\ziel.exe";
    const std::string markers = scratch_.path() + "\\marker.txt";
    ASSERT_TRUE(tolvane::testing::CopyMarkerHelper(target));
    tolvane::testing::UseMarkerFile(markers);
    app_.model.systemStart.append({"Ziel", "Wartezeit von ...{9999};", "--jetzt --gleich", "", target});
    app_.commitEntries();
    window_->actions.startNow(ListKind::SystemStart, 0);
    const auto lines = tolvane::testing::WaitForMarkers(markers, 1);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_TRUE(PumpUntil([this] { return Read(historyPath_).find("Jetzt starten") != std::string::npos; }));
    EXPECT_NE(lines[0].commandLine.find("--jetzt --gleich"), std::string::npos) << lines[0].commandLine;
    EXPECT_TRUE(balloons_.empty());
    EXPECT_NE(Read(historyPath_).find("„Ziel“ mit „Jetzt starten“ gestartet"), std::string::npos);
    // A row that is gone starts nothing.
    window_->actions.startNow(ListKind::SystemStart, 5);
    EXPECT_TRUE(balloons_.empty());
    EXPECT_EQ(tolvane::testing::WaitForMarkers(markers, 2, 500).size(), 1u);
}

// Read from inside the check view's own modal loop, then closed by its close box.
std::vector<std::vector<std::wstring>> g_shown;
HWND g_owner = nullptr;
int g_looks = 0;
std::function<bool()> g_readyWhen;

BOOL CALLBACK FindCheckView(HWND window, LPARAM found) {
    if (window == g_owner || ::GetWindow(window, GW_OWNER) != g_owner || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK ReadCheckView(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND view = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindCheckView, reinterpret_cast<LPARAM>(&view));
    if (!view) return;  // not shown yet: the next tick looks again
    const HWND list = ::FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr);
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    g_shown.clear();
    for (int row = 0; row < rows; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < 3; ++column) cells.push_back(tolvane::testing::ListCellText(list, row, column));
        g_shown.push_back(cells);
    }
    ++g_looks;
    // The view opens before the engine answers; it is read once the answer is in.
    if (g_readyWhen ? !g_readyWhen() : std::any_of(g_shown.begin(), g_shown.end(), [](const auto& cells) {
            return cells[2] == L"wird gepr\u00FCft";
        })) {
        if (g_looks < 200) return;
    }
    ::KillTimer(nullptr, timer);
    ::PostMessageW(view, WM_CLOSE, 0, 0);
}

TEST_F(RowActions, CheckingShowsAWaitingTimeWaitingAFileThatExistsHoldingAndAMissingOneFailing) {
    const std::string present = scratch_.path() + "\\da.txt";
    std::ofstream(present) << "x";
    const std::string missing = scratch_.path() + "\\fehlt.txt";
    app_.clock.start(::GetTickCount());
    app_.model.systemStart.append({"Prüfen", "Wartezeit von ...{600};Datei ... existiert{" + present +
                                                      "};Datei ... existiert{" + missing + "};",
                                   "", "", "C:\\nie.exe"},
                                  1);  // still to be started in this run
    app_.commitEntries();
    g_shown.clear();
    g_looks = 0;
    g_owner = window_->window();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ReadCheckView);
    ASSERT_NE(timer, 0u);
    window_->actions.checkPreconditions(0);
    ::KillTimer(nullptr, timer);

    ASSERT_EQ(g_shown.size(), 3u);
    EXPECT_EQ(g_shown[0][2].rfind(L"wartet (noch ", 0), 0u) << g_shown[0][2];
    EXPECT_EQ(g_shown[1][2], L"erf\u00FCllt");
    EXPECT_EQ(g_shown[2][2], L"nicht erf\u00FCllt");
    EXPECT_NE(g_shown[1][0].find(L"da.txt"), std::wstring::npos) << "each line names its item";
    EXPECT_TRUE(::IsWindowEnabled(window_->window())) << "the main window is given back";
    EXPECT_EQ(app_.model.systemStart[0].pending, 1u) << "checking neither starts nor rules out";
    EXPECT_TRUE(Read(historyPath_).find("nie.exe") == std::string::npos);
}

TEST_F(RowActions, TheCheckOpensAtOnceWhileThePingHangsAndTheWindowGoesOnAnswering) {
    WinSystemMeasures& measures = engine_->engine().measures();
    measures.pingProgram = tolvane::testing::TestProgramFolder() + "\\tolvane_stub_ping.exe";
    measures.pingTarget = "127.0.0.1";
    measures.pingTimeoutMs = 60000;  // far beyond the test: only the view's answer can end it
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", "hang");
    const std::string present = scratch_.path() + "\\da.txt";
    std::ofstream(present) << "x";
    app_.model.systemStart.append({"Netz", "Verbindung mit Internet{};Datei ... existiert{" + present + "};", "", "",
                                   "C:\\nie.exe"});
    app_.commitEntries();
    g_shown.clear();
    g_looks = 0;
    g_owner = window_->window();
    // Read as soon as the file line is in, whatever the ping does.
    g_readyWhen = [] { return g_shown.size() == 2 && g_shown[1][2] == L"erf\u00FCllt"; };
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ReadCheckView);
    const DWORD begin = ::GetTickCount();
    window_->actions.checkPreconditions(0);
    ::KillTimer(nullptr, timer);
    g_readyWhen = nullptr;
    ::SetEnvironmentVariableA("TOLVANE_STUB_PING", nullptr);

    EXPECT_LT(::GetTickCount() - begin, 10000u) << "the view did not wait for the ping";
    ASSERT_EQ(g_shown.size(), 2u);
    EXPECT_EQ(g_shown[0][1], L"wird gepr\u00FCft");
    EXPECT_EQ(g_shown[0][2], L"wird gepr\u00FCft");
    EXPECT_TRUE(::IsWindowEnabled(window_->window()));
}

}  // namespace
