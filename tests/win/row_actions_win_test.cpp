// What the rows' "Jetzt starten" does in the program: the target starts with
// its parameters, and a start that fails shows the balloon at the tray icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/row_actions_win.h"
#include "core/app_win.h"
#include "engine/helper_processes_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"

using namespace tolvane;

namespace {

struct Balloon {
    std::wstring title, text;
    DWORD icon;
};

class RowActions : public ::testing::Test {
protected:
    void SetUp() override {
        app_.instance = ::GetModuleHandleA(nullptr);
        window_ = std::make_unique<MainWindow>(app_, images_, true);
        ASSERT_TRUE(window_->window());
        ASSERT_TRUE(window_->trayIconAdded());
        WireRowActions(app_, *window_);
        window_->notifyBalloon = [this](DWORD, NOTIFYICONDATAW* data) {
            balloons_.push_back({data->szInfoTitle, data->szInfo, data->dwInfoFlags});
            return TRUE;
        };
    }

    tolvane::testing::ScratchFolder scratch_{"tolvane-row-actions"};
    App app_;
    ImageSet images_ = ImageSet::Load(::GetModuleHandleA(nullptr));
    std::unique_ptr<MainWindow> window_;
    std::vector<Balloon> balloons_;
};

TEST_F(RowActions, AFailedStartShowsTheBalloonNamingTheEntryAndTheReason) {
    app_.model.programStart.append({"F\xE4hlt", "x.exe", "", "", scratch_.path() + "\\weg\\nicht-da.exe"});
    window_->actions.startNow(ListKind::ProgramStart, 0);
    ASSERT_EQ(balloons_.size(), 1u);
    EXPECT_EQ(balloons_[0].title, L"\"F\u00E4hlt\" wurde nicht gestartet");
    EXPECT_NE(balloons_[0].text.find(L"(Fehler "), std::wstring::npos) << "the system's reason with its code";
    EXPECT_EQ(balloons_[0].icon, DWORD(NIIF_ERROR));
}

TEST_F(RowActions, AStartThatWorksPassesItsParametersAndShowsNothing) {
    const std::string target = scratch_.path() + "\\ziel.exe";
    const std::string markers = scratch_.path() + "\\marker.txt";
    ASSERT_TRUE(tolvane::testing::CopyMarkerHelper(target));
    tolvane::testing::UseMarkerFile(markers);
    app_.model.systemStart.append({"Ziel", "Wartezeit von ...{9999};", "--jetzt --gleich", "", target});
    window_->actions.startNow(ListKind::SystemStart, 0);
    const auto lines = tolvane::testing::WaitForMarkers(markers, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].commandLine.find("--jetzt --gleich"), std::string::npos) << lines[0].commandLine;
    EXPECT_TRUE(balloons_.empty());
    // A row that is gone starts nothing.
    window_->actions.startNow(ListKind::SystemStart, 5);
    EXPECT_TRUE(balloons_.empty());
}

}  // namespace
