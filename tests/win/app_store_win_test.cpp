// The program's saves as the user meets them: a failed save is told at once
// in a message box and retried at the next change; a store locked at start
// and changed meanwhile is kept aside with its place told.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "engine/helper_processes_win.h"

using namespace tolvane;

namespace {

struct Told {
    std::string text;
    UINT flags;
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class AppStore : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = scratch_.path() + "\\tolvane.boot";
        app_.store = std::make_unique<EntryStore>(HostFiles(), path_, MakeRandomByteSource());
        app_.model.systemStart.append({"alt", "", "", "", "C:\\alt.exe"});
        app_.notify.ask = [this](const std::string& text, const std::string&, UINT flags) {
            told_.push_back({text, flags});
            return answer_;
        };
        app_.commitEntries();
        ASSERT_TRUE(told_.empty());
    }
    void lock() { lock_.reset(::CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)); }
    EntryModel stored() {
        EntryModel model;
        EntryStore(HostFiles(), path_, MakeRandomByteSource()).load(model, false);
        return model;
    }
    void change(const char* name) {
        app_.model.programStart.append({name, "x.exe", "", "", "C:\\x.exe"});
        app_.commitEntries();
    }

    tolvane::testing::ScratchFolder scratch_{"tolvane-app-store"};
    std::string path_;
    App app_;
    std::vector<Told> told_;
    int answer_ = IDOK;
    UniqueFileHandle lock_;
};

// Finds the program's message box, keeps its text and presses OK.
struct BoxAnswer {
    bool seen = false;
    std::string text;
};
BoxAnswer g_box;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(w, &process);
        if (process != ::GetCurrentProcessId() || !::IsWindowVisible(w)) continue;
        wchar_t text[2048] = {};
        ::GetDlgItemTextW(w, 0xFFFF, text, 2048);  // the box's text label
        g_box = {true, Utf8OfWide(text)};
        ::KillTimer(nullptr, id);
        ::PostMessageA(w, WM_COMMAND, IDOK, 0);
        return;
    }
}

}  // namespace

TEST_F(AppStore, AFailedSaveIsToldAtOnceInAMessageBoxWithTheFileAndTheSystemsReason) {
    app_.notify.ask = nullptr;  // the program's own message box
    lock();
    ASSERT_TRUE(lock_);
    g_box = {};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, AnswerBox);
    change("neu");
    ::KillTimer(nullptr, timer);
    ASSERT_TRUE(g_box.seen) << "no message box was shown";
    EXPECT_TRUE(Has(g_box.text, "„" + path_ + "“")) << g_box.text;
    EXPECT_TRUE(Has(g_box.text, "(Fehler 5)")) << g_box.text;
    EXPECT_TRUE(app_.unsaved);
    EXPECT_EQ(app_.model.programStart.size(), 1u) << "the change stays in the list";
}

TEST_F(AppStore, TheNextChangeWritesWhatAFailedSaveCouldNot) {
    lock();
    change("first");
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].flags & MB_ICONMASK, UINT(MB_ICONERROR));
    EXPECT_TRUE(stored().programStart.empty()) << "nothing looks saved that is not";

    lock_.reset();
    change("second");
    EXPECT_EQ(told_.size(), 1u) << "a save that works tells nothing";
    EXPECT_FALSE(app_.unsaved);
    const EntryModel saved = stored();
    ASSERT_EQ(saved.programStart.size(), 2u);
    EXPECT_EQ(saved.programStart[0].entry.name, "first");
}

TEST_F(AppStore, AChangeWhileTheStoreIsLockedKeepsTheOldFileAsideAndSaysWhere) {
    lock();
    ASSERT_EQ(app_.store->load(app_.model, false), LoadResult::Unreadable);
    change("neu");
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_TRUE(Has(told_[0].text, "nicht überschrieben")) << "refused while it cannot be copied";
    EXPECT_TRUE(app_.unsaved);

    lock_.reset();
    change("noch einer");
    ASSERT_EQ(told_.size(), 2u);
    EXPECT_TRUE(Has(told_[1].text, "„" + path_ + ".bak“")) << told_[1].text;
    EXPECT_FALSE(app_.unsaved);
    EntryModel old;
    EntryStore(HostFiles(), path_ + ".bak", MakeRandomByteSource()).load(old, false);
    ASSERT_EQ(old.systemStart.size(), 1u);
    EXPECT_EQ(old.systemStart[0].entry.name, "alt");
    EXPECT_EQ(stored().programStart.size(), 2u);
}

TEST_F(AppStore, EverySaveIsRecordedInTheHistoryWithWhatBecameOfIt) {
    const std::string history = scratch_.path() + "\\tolvane.log";
    app_.history = std::make_unique<HistoryFile>(HostFiles(), history, [] { return LocalTime{2026, 1, 2, 3, 4, 5}; });
    lock();
    ASSERT_EQ(app_.store->load(app_.model, false), LoadResult::Unreadable);
    change("neu");
    lock_.reset();
    change("noch einer");
    UniqueFileHandle file(::CreateFileA(history.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file) << "written at once, not at the next pass";
    char bytes[4096] = {};
    DWORD got = 0;
    ::ReadFile(file.get(), bytes, sizeof bytes - 1, &got, nullptr);
    const std::string text(bytes, got);
    EXPECT_TRUE(Has(text, "02.01.2026 03:04:05  Einträge nicht gespeichert: „" + path_ + "“")) << text;
    EXPECT_TRUE(Has(text, "(Fehler 32)")) << "the reason: " << text;
    EXPECT_TRUE(Has(text, "Alte Datei „" + path_ + "“ vor dem Speichern nach „" + path_ + ".bak“ kopiert")) << text;
    EXPECT_TRUE(Has(text, "Einträge in „" + path_ + "“ gespeichert\r\n")) << text;
}

TEST(Notifier, AFailedShortcutIsAHistoryLineAtLogonAndAlsoAMessageOtherwise) {
    for (const bool logon : {true, false}) {
        Notifier notify;
        notify.logonRun = logon;
        std::vector<std::string> lines, boxes;
        notify.record = [&](const std::string& line) { lines.push_back(line); };
        notify.ask = [&](const std::string& text, const std::string&, UINT) {
            boxes.push_back(text);
            return IDOK;
        };
        notify.shortcutFailed("kein Ordner");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(Has(lines[0], "Tolvane.lnk") && Has(lines[0], "kein Ordner")) << lines[0];
        EXPECT_EQ(boxes.size(), logon ? 0u : 1u) << "logon: " << logon;
    }
}
