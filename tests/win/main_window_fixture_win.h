// The window tests' main window: a real one over an App whose store lies in
// the temporary folder, its questions recorded and answered with `answer_`.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "tests/win/window_reading_win.h"

namespace tolvane::testing {

struct Question {
    std::string text, title;
    UINT flags;
};

class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(const char* storeName) : storePath_(TempPath(storeName)) {}

    void SetUp() override {
        ::DeleteFileA(storePath_.c_str());
        app_.store = std::make_unique<EntryStore>(HostFiles(), storePath_, MakeRandomByteSource());
    }
    void TearDown() override {
        window_.reset();
        ::DeleteFileA(storePath_.c_str());
        ::DeleteFileA((storePath_ + ".bak").c_str());
        // A quit the window posted must not end the next test's loops.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    // Opens the window on the rows the model holds now; the lists are filled
    // by the test (fillLists), as a change would.
    void openWindow() {
        window_ = std::make_unique<MainWindow>(app_, images_, false);
        ASSERT_TRUE(window_->window());
        window_->ask = [this](const std::string& text, const std::string& title, UINT flags) {
            questions_.push_back({text, title, flags});
            return answer_;
        };
    }
    void fillLists() {
        window_->entriesChanged(ListKind::SystemStart);
        window_->entriesChanged(ListKind::ProgramStart);
    }
    void select(ListKind kind, int row) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(window_->list(kind), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    App app_;
    ImageSet images_ = ImageSet::Load(::GetModuleHandleA(nullptr));
    std::unique_ptr<MainWindow> window_;
    std::string storePath_;
    std::vector<Question> questions_;
    int answer_ = IDNO;
};

}  // namespace tolvane::testing
