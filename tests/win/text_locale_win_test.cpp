// Texts outside ASCII on a Windows whose code page is not Windows-1252: this
// test runs under a Central European locale (code page 1250, which has none
// of "¼ ½ ¥"), so a text that crossed to Windows through the code page would
// come back as other characters.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/entry_store.h"
#include "core/history_file.h"
#include "core/history_win.h"
#include "core/store_format.h"
#include "core/wide_text_win.h"
#include "engine/start_history.h"
#include "tests/engine/helper_processes_win.h"
#include "tests/engine/start_engine_win.h"
#include "tests/win/main_window_fixture_win.h"
#include "tests/wizards/wizard_test_kit_win.h"
#include "wizards/entry_parts_win.h"
#include "wizards/program_start_wizard_win.h"
#include "wizards/system_start_wizard_win.h"

using namespace tolvane;
using tolvane::testing::MainWindowFixture;
using tolvane::testing::CopyMarkerHelper;
using tolvane::testing::ListCellText;
using tolvane::testing::ScratchFolder;
using tolvane::testing::UseMarkerFile;
using tolvane::testing::WaitForMarkers;

namespace {

constexpr char kName[] = "¼ ½ ¥ Größe";
const std::wstring kWideName = L"\u00BC \u00BD \u00A5 Gr\u00F6\u00DFe";
// The name as a store keeps it, in Windows-1252.
constexpr char kStoredName[] = "\xBC \xBD \xA5 Gr\xF6\xDF" "e";

std::string StoredRows(const std::string& path) {
    const FileRead file = HostFiles().read(path);
    return std::string(OpenSeal(Unscramble(file.bytes)).rows);
}

class TextLocale : public MainWindowFixture {
protected:
    TextLocale() : MainWindowFixture("tolvane-text-locale.boot") {}

    // A store as a Tolvane of any version writes it, holding the name in both lists.
    void SetUp() override {
        ASSERT_NE(::GetACP(), 1252u) << "run under a locale whose code page is not Windows-1252";
        MainWindowFixture::SetUp();
        EntryModel written;
        written.systemStart.append({kName, "Wartezeit von ...{0};", "", "", target_});
        written.programStart.append({kName, "notepad.exe", "", "", target_});
        ASSERT_TRUE(app_.store->save(written).saved());
        storedFile_ = HostFiles().read(storePath_).bytes;
        storedRows_ = StoredRows(storePath_);
        ASSERT_NE(storedRows_.find(kStoredName), storedRows_.rfind(kStoredName)) << "in each list's row";
        app_.store->load(app_.model, false);
        ASSERT_TRUE(CopyMarkerHelper(target_)) << "error " << ::GetLastError();
    }

    ScratchFolder scratch_{"tolvane-text-locale"};
    std::string target_ = scratch_.path() + "\\" + kName + ".exe";
    std::string storedFile_, storedRows_;
};

}  // namespace

TEST_F(TextLocale, AnEntryNameShowsAsItIsInBothListsAndTheEditDialogs) {
    ASSERT_EQ(app_.model.systemStart[0].entry.name, kName);
    openWindow();
    fillLists();
    EXPECT_EQ(ListCellText(window_->list(ListKind::SystemStart), 0), kWideName);
    EXPECT_EQ(ListCellText(window_->list(ListKind::ProgramStart), 0), kWideName);

    WizardHost host{app_, window_->window(), images_, [](ListKind) {}, [] { return std::vector<std::string>(); }};
    SystemStartEdit systemEdit(host, 0, NoDialogs());
    ASSERT_TRUE(systemEdit.create());
    EXPECT_EQ(ControlText(FindControl(systemEdit.frame().window(), kIdName)), kName);
    EXPECT_NE(ControlText(systemEdit.frame().window()).find(kName), std::string::npos) << "the title names it too";
    Click(systemEdit.frame().window(), kIdApply);
    ProgramStartEdit programEdit(host, 0, TriggerDialogs{});
    ASSERT_TRUE(programEdit.create());
    EXPECT_EQ(ControlText(FindControl(programEdit.frame().window(), kIdName)), kName);
    Click(programEdit.frame().window(), kIdApply);

    // Applied unchanged, each row is written back to the very same bytes
    // (the file itself is new: every save scrambles afresh).
    EXPECT_NE(HostFiles().read(storePath_).bytes, storedFile_);
    EXPECT_EQ(StoredRows(storePath_), storedRows_);
}

TEST_F(TextLocale, AnEntryStartsFromItsPathAndTheHistoryNamesIt) {
    const std::string marker = scratch_.path() + "\\marker.txt";
    UseMarkerFile(marker);
    const std::string historyPath = scratch_.path() + "\\tolvane.log";
    HistoryFile history{HostFiles(), historyPath, LocalTimeNow};
    HistoryEvents events;
    events.record = [&history](const std::string& text) { history.add(text); };
    WinStartEngine engine;
    engine.tell(events);

    EXPECT_TRUE(engine.startNow(app_.model.systemStart[0].entry).ok());
    const auto started = WaitForMarkers(marker, 1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].module, target_);
    ASSERT_TRUE(history.flush());
    const std::string text = HostFiles().read(historyPath).bytes;
    EXPECT_NE(text.find(std::string("„") + kName + "“ mit „Jetzt starten“ gestartet"), std::string::npos) << text;
}
