// The rows' context menu, Enter and Delete, the history item, the check view
// and the tray balloon, driven in-process on the real main window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/texts.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "ui/precondition_check_win.h"
#include "tests/win/main_window_fixture_win.h"
#include "tests/win/message_pump_win.h"

using namespace tolvane;
using tolvane::testing::ListCellText;
using tolvane::testing::Pump;

namespace {

void SetKey(int key, bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// One opening of a row menu as the window asked for it.
struct MenuSeen {
    std::vector<std::string> items;
    POINT at;
};

class RowsTest : public tolvane::testing::MainWindowFixture {
protected:
    RowsTest() : MainWindowFixture("tolvane-rows-test.boot") {}
    void SetUp() override {
        MainWindowFixture::SetUp();
        app_.model.systemStart.append({"Alpha", "", "-x", "", "C:\\a.exe"});
        app_.model.systemStart.append({"Beta", "", "", "X", "C:\\b.exe"});
        app_.model.programStart.append({"Gamma", "notepad.exe", "", "", "C:\\g.exe"});
        app_.model.programStart.append({"Delta", "calc.exe", "", "", "C:\\d.exe"});
        ASSERT_NO_FATAL_FAILURE(openWindow());
        window_->actions.startNow = [this](ListKind kind, std::size_t row) {
            calls_.push_back(std::string(kind == ListKind::SystemStart ? "start system " : "start program ") +
                             std::to_string(row));
        };
        window_->actions.checkPreconditions = [this](std::size_t row) { calls_.push_back("check " + std::to_string(row)); };
        window_->actions.editSystemStart = [this](std::size_t row) { calls_.push_back("edit system " + std::to_string(row)); };
        window_->actions.editProgramStart = [this](std::size_t row) { calls_.push_back("edit program " + std::to_string(row)); };
        window_->actions.showHistory = [this] { calls_.push_back("history"); };
        window_->rowMenus().track = [this](HMENU menu, HWND, POINT at) {
            MenuSeen seen{{}, at};
            for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
                char text[128] = {};
                ::GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
                seen.items.push_back(text);
            }
            menus_.push_back(seen);
            // The item whose text the test chose, by its id.
            for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
                char text[128] = {};
                ::GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
                if (!choice_.empty() && choice_ == text) return ::GetMenuItemID(menu, index);
            }
            return 0u;
        };
        fillLists();
        ::SetForegroundWindow(window_->window());
        Pump();
    }
    void TearDown() override {
        SetKey(VK_SHIFT, false);
        MainWindowFixture::TearDown();
    }
    void showTab(ListKind kind) {
        const int tab = kind == ListKind::SystemStart ? 0 : 1;
        ::SendMessageA(window_->tabs(), TCM_SETCURSEL, tab, 0);
        NMHDR change{window_->tabs(), static_cast<UINT_PTR>(kIdTabs), static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(window_->window(), WM_NOTIFY, kIdTabs, reinterpret_cast<LPARAM>(&change));
    }
    // Screen point in the middle of a row's third column.
    POINT rowPoint(ListKind kind, int row) {
        RECT cell{};
        cell.top = 2;
        cell.left = LVIR_BOUNDS;
        ::SendMessageA(window_->list(kind), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        ::ClientToScreen(window_->list(kind), &at);
        return at;
    }
    void rightClickMessage(ListKind kind, POINT screen) {
        ::SendMessageA(window_->list(kind), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->list(kind)),
                       MAKELPARAM(screen.x, screen.y));
    }
    void keyboardMenu(ListKind kind) {
        ::SendMessageA(window_->list(kind), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->list(kind)), -1);
    }
    // A key as the main loop delivers it: posted to the focused list.
    void pressKey(HWND target, WPARAM key, UINT message = WM_KEYDOWN) {
        ::PostMessageA(target, message, key, 1);
        Pump();
    }
    int selected(ListKind kind) { return window_->selectedRow(kind); }

    std::vector<std::string> calls_;
    std::vector<MenuSeen> menus_;
    std::string choice_;
};

const std::string kStartNow = "Jetzt starten";
const std::string kCheck = "Vorraussetzungen pr\xFC" "fen";
const std::string kEdit = "Programm editieren...";
const std::string kRemove = "Programm aus Liste entfernen";

TEST_F(RowsTest, RightClickOnASystemStartRowOffersAllFourItemsForThatRow) {
    select(ListKind::SystemStart, 0);
    const std::vector<std::pair<std::string, std::string>> choices{
        {kStartNow, "start system 1"}, {kCheck, "check 1"}, {kEdit, "edit system 1"}};
    for (const auto& [item, call] : choices) {
        choice_ = item;
        calls_.clear();
        rightClickMessage(ListKind::SystemStart, rowPoint(ListKind::SystemStart, 1));
        ASSERT_FALSE(menus_.empty());
        EXPECT_EQ(menus_.back().items, (std::vector<std::string>{kStartNow, kCheck, "", kEdit, kRemove}));
        EXPECT_EQ(calls_, std::vector<std::string>{call}) << item;
        EXPECT_EQ(selected(ListKind::SystemStart), 1) << "the menu acts on the clicked row and selects it";
    }
    // Nothing chosen: nothing happens.
    choice_.clear();
    calls_.clear();
    rightClickMessage(ListKind::SystemStart, rowPoint(ListKind::SystemStart, 0));
    EXPECT_TRUE(calls_.empty());

    choice_ = kRemove;
    answer_ = IDYES;
    rightClickMessage(ListKind::SystemStart, rowPoint(ListKind::SystemStart, 1));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].text, ReplaceFilePlaceholder(GetText(Text::RemoveConfirmation), "Beta"));
    ASSERT_EQ(app_.model.systemStart.size(), 1u);
    EXPECT_EQ(app_.model.systemStart[0].entry.name, "Alpha");
}

TEST_F(RowsTest, ProgramStartRowsHaveNoCheckAndStartTheirOwnRow) {
    showTab(ListKind::ProgramStart);
    choice_ = kStartNow;
    rightClickMessage(ListKind::ProgramStart, rowPoint(ListKind::ProgramStart, 0));
    ASSERT_EQ(menus_.size(), 1u);
    EXPECT_EQ(menus_[0].items, (std::vector<std::string>{kStartNow, "", kEdit, kRemove}));
    EXPECT_EQ(calls_, std::vector<std::string>{"start program 0"});
    // Even asked directly, a program-start row is never checked.
    calls_.clear();
    choice_ = kEdit;
    rightClickMessage(ListKind::ProgramStart, rowPoint(ListKind::ProgramStart, 1));
    EXPECT_EQ(calls_, std::vector<std::string>{"edit program 1"});
}

TEST_F(RowsTest, RightClickOnEmptySpaceOpensNoRowMenu) {
    select(ListKind::SystemStart, 0);
    RECT client{};
    ::GetClientRect(window_->list(ListKind::SystemStart), &client);
    POINT below{client.right / 2, client.bottom - 5};
    ::ClientToScreen(window_->list(ListKind::SystemStart), &below);
    choice_ = kStartNow;
    rightClickMessage(ListKind::SystemStart, below);
    EXPECT_TRUE(menus_.empty());
    EXPECT_TRUE(calls_.empty());
}

TEST_F(RowsTest, KeyboardOpensTheMenuAtTheSelectedRow) {
    keyboardMenu(ListKind::SystemStart);
    EXPECT_TRUE(menus_.empty()) << "no row selected, no menu";

    select(ListKind::SystemStart, 1);
    choice_ = kCheck;
    keyboardMenu(ListKind::SystemStart);
    ASSERT_EQ(menus_.size(), 1u);
    EXPECT_EQ(calls_, std::vector<std::string>{"check 1"});
    RECT row{};
    row.left = LVIR_BOUNDS;
    HWND list = window_->list(ListKind::SystemStart);
    ::SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    POINT at = menus_[0].at;
    ::ScreenToClient(list, &at);
    EXPECT_EQ(at.y, row.bottom) << "the menu opens under the selected row";
    EXPECT_GE(at.x, row.left);
    EXPECT_LT(at.x, row.right);

    // The keys themselves, as the list receives them with the keyboard.
    ::SetFocus(list);
    ASSERT_EQ(::GetFocus(), list);
    SetKey(VK_SHIFT, true);
    pressKey(list, VK_F10, WM_SYSKEYDOWN);
    SetKey(VK_SHIFT, false);
    pressKey(list, VK_F10, WM_SYSKEYUP);
    EXPECT_EQ(menus_.size(), 2u) << "Shift+F10";
    pressKey(list, VK_APPS);
    pressKey(list, VK_APPS, WM_KEYUP);
    EXPECT_EQ(menus_.size(), 3u) << "the context-menu key";
    EXPECT_EQ(calls_, (std::vector<std::string>{"check 1", "check 1", "check 1"}));
}

TEST_F(RowsTest, ARealRightClickSelectsTheRowAndOpensTheMenu) {
    HWND list = window_->list(ListKind::SystemStart);
    select(ListKind::SystemStart, 0);
    const POINT screen = rowPoint(ListKind::SystemStart, 1);
    ASSERT_TRUE(::SetCursorPos(screen.x, screen.y));
    POINT client = screen;
    ::ScreenToClient(list, &client);
    choice_ = kStartNow;
    // The list waits for the button's release to tell a click from a drag.
    ::PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    ::SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    Pump();
    ASSERT_EQ(menus_.size(), 1u);
    EXPECT_EQ(calls_, std::vector<std::string>{"start system 1"});
    EXPECT_EQ(selected(ListKind::SystemStart), 1);
}

int g_menusSeen = 0;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = ::FindWindowA("#32768", nullptr);
    if (menu && ::IsWindowVisible(menu)) ++g_menusSeen;
    ::EndMenu();
    ::KillTimer(nullptr, id);
}

TEST_F(RowsTest, TheRealMenuOpensAndClosedWithoutAChoiceDoesNothing) {
    window_->rowMenus().track = TrackRowMenu;
    select(ListKind::SystemStart, 0);
    g_menusSeen = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, CloseMenu);
    keyboardMenu(ListKind::SystemStart);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(g_menusSeen, 1);
    EXPECT_TRUE(calls_.empty());
    Pump();
}

TEST_F(RowsTest, EnterEditsAndDeleteRemovesOnlyFromTheFocusedListOfAnEnabledWindow) {
    HWND list = window_->list(ListKind::SystemStart);
    select(ListKind::SystemStart, 1);
    ::SetFocus(list);
    ASSERT_EQ(::GetFocus(), list);
    pressKey(list, VK_RETURN);
    EXPECT_EQ(calls_, std::vector<std::string>{"edit system 1"});
    answer_ = IDNO;
    pressKey(list, VK_DELETE);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].text, ReplaceFilePlaceholder(GetText(Text::RemoveConfirmation), "Beta"));
    EXPECT_EQ(app_.model.systemStart.size(), 2u);

    // A wizard is open: the main window is disabled and keys still queued
    // for the list must not open a second one.
    ::EnableWindow(window_->window(), FALSE);
    pressKey(list, VK_RETURN);
    pressKey(list, VK_DELETE);
    ::EnableWindow(window_->window(), TRUE);
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_EQ(questions_.size(), 1u);
    keyboardMenu(ListKind::SystemStart);
    EXPECT_EQ(menus_.size(), 1u);

    // Keys sent to the list while the keyboard is elsewhere do nothing.
    ::SetFocus(window_->tabs());
    ASSERT_NE(::GetFocus(), list);
    pressKey(list, VK_RETURN);
    pressKey(list, VK_DELETE);
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_EQ(questions_.size(), 1u);

    // With Shift, Enter is not an edit.
    ::SetFocus(list);
    SetKey(VK_SHIFT, true);
    pressKey(list, VK_RETURN);
    SetKey(VK_SHIFT, false);
    EXPECT_EQ(calls_.size(), 1u);

    answer_ = IDYES;
    pressKey(list, VK_DELETE);
    ASSERT_EQ(app_.model.systemStart.size(), 1u);
    EXPECT_EQ(app_.model.systemStart[0].entry.name, "Alpha");
    // Nothing is selected after a removal: Delete asks nothing more.
    pressKey(list, VK_DELETE);
    EXPECT_EQ(questions_.size(), 2u);
}

TEST_F(RowsTest, HistoryItemsInTheFileMenuAndTheTrayMenu) {
    const std::string history = "Startverlauf anzeigen";
    HMENU file = ::GetSubMenu(::GetMenu(window_->window()), 0);
    char text[128] = {};
    ASSERT_GT(::GetMenuStringA(file, kCommandShowHistory, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_EQ(text, history);
    ASSERT_GT(::GetMenuStringA(window_->tray().menu(), kCommandShowHistory, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_EQ(text, history);
    int iconItems = 0;
    for (const IconMenuItem& item : window_->iconMenuItems()) {
        if (item.command != kCommandShowHistory) continue;
        ++iconItems;
        EXPECT_EQ(item.text, history);
        EXPECT_EQ(item.icon, images_.icon(kImageHistory));
    }
    EXPECT_EQ(iconItems, 2);
    ASSERT_NE(images_.icon(kImageHistory), nullptr);
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandShowHistory, 0);
    EXPECT_EQ(calls_, std::vector<std::string>{"history"});
}

struct Notified {
    DWORD message;
    NOTIFYICONDATAW data;
};

TEST_F(RowsTest, BalloonAtTheTrayIconCarriesTitleTextAndIcon) {
    std::vector<Notified> seen;
    window_->tray().notifyBalloon = [&](DWORD message, NOTIFYICONDATAW* data) {
        seen.push_back({message, *data});
        return TRUE;
    };
    ASSERT_TRUE(window_->tray().added());
    EXPECT_TRUE(window_->tray().showBalloon("\"B\xC3\xA4r\" wurde nicht gestartet", "Datei nicht gefunden (Fehler 2)"));
    ASSERT_EQ(seen.size(), 1u);
    const NOTIFYICONDATAW& data = seen[0].data;
    EXPECT_EQ(seen[0].message, DWORD(NIM_MODIFY));
    EXPECT_EQ(data.hWnd, window_->window());
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, UINT(NIF_INFO));
    EXPECT_EQ(data.dwInfoFlags, DWORD(NIIF_ERROR));
    EXPECT_GE(data.cbSize, DWORD(NOTIFYICONDATAW_V2_SIZE));
    EXPECT_EQ(std::wstring(data.szInfoTitle), L"\"B\u00E4r\" wurde nicht gestartet");
    EXPECT_EQ(std::wstring(data.szInfo), L"Datei nicht gefunden (Fehler 2)");

    EXPECT_TRUE(window_->tray().showBalloon("Startverlauf anzeigen", std::string(400, 'x'), true));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].data.dwInfoFlags, DWORD(NIIF_WARNING));
    EXPECT_EQ(std::wstring(seen[1].data.szInfo), std::wstring(252, L'x') + L"...");

    // The shell's own answer under the test display.
    window_->tray().notifyBalloon = ::Shell_NotifyIconW;
    EXPECT_TRUE(window_->tray().showBalloon("Titel", "Text"));
}

TEST_F(RowsTest, BalloonWithoutATrayIconTriesToAddItFirst) {
    std::vector<DWORD> seen;
    window_->tray().notifyBalloon = [&](DWORD message, NOTIFYICONDATAW*) {
        seen.push_back(message);
        return TRUE;
    };
    window_->tray().remove();
    ASSERT_FALSE(window_->tray().added());
    EXPECT_TRUE(window_->tray().showBalloon("Titel", "Text"));
    EXPECT_TRUE(window_->tray().added());
    EXPECT_EQ(seen, std::vector<DWORD>{NIM_MODIFY});
}

class CheckViewTest : public RowsTest {
protected:
    const std::vector<CheckLine> lines_{
        {"Wartezeit von ...: 60", "12 s seit dem Start", "wartet noch 48 s"},
        {"Datei ... existiert: C:\\da.txt", "vorhanden", "erf\xC3\xBCllt"},
        {"Freier Festplattenspeicher gr\xC3\xB6\xC3\x9F" "er als ...: 5000", "4211 MB", "nicht erf\xC3\xBCllt"},
    };
};

TEST_F(CheckViewTest, ShowsOneLinePerPreconditionWithTheKeyboardInTheList) {
    PreconditionCheckView view;
    ASSERT_TRUE(view.create(window_->window(), "Vorraussetzungen pr\xC3\xBC" "fen: \"Beta\"", lines_));
    view.pump();
    wchar_t title[128] = {};
    ::GetWindowTextW(view.window(), title, 128);
    EXPECT_EQ(std::wstring(title), L"Vorraussetzungen pr\u00FCfen: \"Beta\"");
    EXPECT_TRUE(::IsWindowVisible(view.window()));
    EXPECT_FALSE(::IsWindowEnabled(window_->window())) << "modal over the main window";
    EXPECT_EQ(::GetFocus(), view.list());
    HWND header = reinterpret_cast<HWND>(::SendMessageW(view.list(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    ASSERT_EQ(::SendMessageW(view.list(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ListCellText(view.list(), 0, 0), L"Wartezeit von ...: 60");
    EXPECT_EQ(ListCellText(view.list(), 0, 2), L"wartet noch 48 s");
    EXPECT_EQ(ListCellText(view.list(), 1, 2), L"erf\u00FCllt");
    EXPECT_EQ(ListCellText(view.list(), 2, 0), L"Freier Festplattenspeicher gr\u00F6\u00DFer als ...: 5000");
    EXPECT_EQ(ListCellText(view.list(), 2, 1), L"4211 MB");
    EXPECT_EQ(ListCellText(view.list(), 2, 2), L"nicht erf\u00FCllt");
    wchar_t button[32] = {};
    ::GetWindowTextW(view.button(), button, 32);
    EXPECT_EQ(std::wstring(button), L"OK");
    EXPECT_TRUE(::GetWindowLongW(view.button(), GWL_STYLE) & BS_DEFPUSHBUTTON);

    ::PostMessageW(view.list(), WM_KEYDOWN, VK_ESCAPE, 1);
    view.pump();
    EXPECT_TRUE(view.ended()) << "Escape closes";
    view.close();
    EXPECT_TRUE(::IsWindowEnabled(window_->window()));
    EXPECT_EQ(app_.model.systemStart.size(), 2u);
}

TEST_F(CheckViewTest, EnterTheButtonAndTheCloseBoxCloseIt) {
    for (int way = 0; way < 3; ++way) {
        PreconditionCheckView view;
        ASSERT_TRUE(view.create(window_->window(), "Titel", lines_));
        view.pump();
        ASSERT_FALSE(view.ended());
        if (way == 0) ::PostMessageW(view.list(), WM_KEYDOWN, VK_RETURN, 1);
        if (way == 1) ::SendMessageW(view.button(), BM_CLICK, 0, 0);
        if (way == 2) ::PostMessageW(view.window(), WM_CLOSE, 0, 0);
        view.pump();
        EXPECT_TRUE(view.ended()) << way;
    }
    PreconditionCheckView empty;
    ASSERT_TRUE(empty.create(window_->window(), "Titel", {}));
    ASSERT_EQ(::SendMessageW(empty.list(), LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(ListCellText(empty.list(), 0, 0), L"Keine Vorraussetzungen");
}

// Where the keyboard is after each way of leaving the main window and
// coming back to it.
// Activation can come back through the display server: wait for it, bounded.
HWND Focused(HWND expected = nullptr) {
    for (int round = 0; round < 200 && expected && ::GetFocus() != expected; ++round) {
        Pump();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return ::GetFocus();
}

int FocusedRow(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

// What a message box does to its owner: disabled, left for the box, given
// back when the box is gone.
void QuestionLikeAMessageBox(HWND owner) {
    ::EnableWindow(owner, FALSE);
    HWND box = ::CreateWindowExA(WS_EX_DLGMODALFRAME, "STATIC", "Frage", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50,
                                 200, 100, owner, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetActiveWindow(box);
    Pump();
    ::EnableWindow(owner, TRUE);
    ::DestroyWindow(box);
    Pump();
}

TEST_F(RowsTest, TheKeyboardIsInTheCurrentListOnARowWhenTheWindowIsShown) {
    HWND list = window_->list(ListKind::SystemStart);
    EXPECT_EQ(Focused(), list);
    EXPECT_EQ(FocusedRow(list), 0) << "the first row, as none is selected";
    EXPECT_EQ(selected(ListKind::SystemStart), -1) << "nothing gets selected by it";

    showTab(ListKind::ProgramStart);
    EXPECT_EQ(Focused(), window_->list(ListKind::ProgramStart)) << "a new tab takes the keyboard to its list";
    showTab(ListKind::SystemStart);
    EXPECT_EQ(Focused(), list);

    // Hidden and shown again from the tray.
    ::ShowWindow(window_->window(), SW_HIDE);
    window_->showFromTray();
    EXPECT_EQ(Focused(list), list);
}

TEST_F(CheckViewTest, TheKeyboardComesBackToTheListAfterEachWindowOpenedFromIt) {
    HWND list = window_->list(ListKind::SystemStart);
    struct Way {
        const char* name;
        std::function<void()> leaveAndComeBack;
    };
    const std::vector<Way> ways{
        {"question", [&] {
             answer_ = IDNO;
             pressKey(list, VK_DELETE);
         }},
        {"check view", [&] {
             PreconditionCheckView view;
             ASSERT_TRUE(view.create(window_->window(), "Titel", lines_));
             view.pump();
             ASSERT_NE(Focused(), list);
             view.close();
             Pump();
         }},
        {"edit dialog", [&] { pressKey(list, VK_RETURN); }},
    };
    window_->ask = [this](const std::string& text, const std::string& title, UINT flags) {
        questions_.push_back({text, title, flags});
        QuestionLikeAMessageBox(window_->window());
        return answer_;
    };
    window_->actions.editSystemStart = [this](std::size_t) { QuestionLikeAMessageBox(window_->window()); };
    select(ListKind::SystemStart, 1);
    ASSERT_EQ(Focused(), list);
    for (const Way& way : ways) {
        way.leaveAndComeBack();
        EXPECT_EQ(Focused(list), list) << way.name;
        EXPECT_EQ(FocusedRow(list), 1) << way.name << ": on the selected row";
    }
    EXPECT_EQ(questions_.size(), 1u);

    // A control that had the keyboard gets it back.
    HWND add = window_->link(ListKind::SystemStart, 0);
    ::SetFocus(add);
    QuestionLikeAMessageBox(window_->window());
    EXPECT_EQ(Focused(add), add);
}

}  // namespace
