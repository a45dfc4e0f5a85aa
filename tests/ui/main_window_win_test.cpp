// The real main window, driven in-process by messages to its controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/texts.h"
#include "ui/icon_menu_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "ui/single_instance_win.h"
#include "tests/win/main_window_fixture_win.h"
#include "tests/win/message_pump_win.h"

using namespace tolvane;
using tolvane::testing::Pump;

namespace {

class MainWindowTest : public tolvane::testing::MainWindowFixture {
protected:
    MainWindowTest() : MainWindowFixture("tolvane-ui-test.boot") {}
    void SetUp() override {
        MainWindowFixture::SetUp();
        app_.model.systemStart.append({"Alpha", "", "-x", "", "C:\\missing\\alpha.exe"});
        app_.model.systemStart.append({"Beta", "", "", "X", "C:\\docs\\beta.txt"});
        app_.model.programStart.append({"Gamma", "notepad.exe", "", "", "C:\\g.bat"});
        app_.model.programStart.append({"Delta", "calc.exe", "", "", "C:\\d.exe"});
        app_.commitEntries();
        ASSERT_NO_FATAL_FAILURE(openWindow());
        fillLists();
        Pump();
    }
    void click(HWND link) { ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3)); }
    bool enabled(ListKind kind, int which) { return ::IsWindowEnabled(window_->link(kind, which)); }
    EntryModel storedModel() {
        EntryModel model;
        EntryStore(HostFiles(), storePath_, MakeRandomByteSource()).load(model, false);
        return model;
    }
    bool quitPosted(int* code) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
        *code = static_cast<int>(msg.wParam);
        return true;
    }
};

TEST_F(MainWindowTest, ShowsTheModelsRowsWithIcons) {
    HWND list = window_->list(ListKind::SystemStart);
    ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    char text[64] = {};
    LVITEMA cell{};
    cell.iSubItem = 3;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&cell));
    EXPECT_STREQ(text, "X");
    const auto imageOf = [this](ListKind kind, int row) {
        LVITEMA image{};
        image.mask = LVIF_IMAGE;
        image.iItem = row;
        ::SendMessageA(window_->list(kind), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&image));
        return image.iImage;
    };
    HIMAGELIST icons = reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(window_->list(ListKind::ProgramStart), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    for (int row = 0; row < 2; ++row) EXPECT_GE(imageOf(ListKind::SystemStart, row), 0);
    // A row replaced by an edit shows an icon too; the icon is made when the
    // list first asks for the row's image, as it does when it draws the row.
    app_.model.programStart.replace(0, {"Gamma2", "x.exe", "", "", "C:\\g.txt"});
    window_->entriesChanged(ListKind::ProgramStart);
    const int edited = imageOf(ListKind::ProgramStart, 0);
    EXPECT_GE(edited, 0);
    EXPECT_LT(edited, ::ImageList_GetImageCount(icons));
    // Edits do not pile up icons: the image list stays as long as the list.
    for (int edit = 0; edit < 20; ++edit) {
        app_.model.programStart.replace(0, {"Gamma" + std::to_string(edit), "x.exe", "", "", "C:\\g.txt"});
        window_->entriesChanged(ListKind::ProgramStart);
        for (int row = 0; row < static_cast<int>(app_.model.programStart.size()); ++row)
            imageOf(ListKind::ProgramStart, row);
    }
    EXPECT_LE(::ImageList_GetImageCount(icons), static_cast<int>(app_.model.programStart.size()));
    EXPECT_GE(imageOf(ListKind::ProgramStart, 0), 0);
    char header[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    ::SendMessageA(window_->list(ListKind::ProgramStart), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(std::string(header), GetText(Text::ColumnTrigger));
    EXPECT_EQ(column.cx, 155);
}

TEST_F(MainWindowTest, LinksFollowTheirOwnTabsSelection) {
    for (ListKind kind : {ListKind::SystemStart, ListKind::ProgramStart}) {
        EXPECT_TRUE(enabled(kind, 0));
        EXPECT_FALSE(enabled(kind, 1));
        EXPECT_FALSE(enabled(kind, 2));
    }
    select(ListKind::SystemStart, 1);
    EXPECT_TRUE(enabled(ListKind::SystemStart, 1));
    EXPECT_TRUE(enabled(ListKind::SystemStart, 2));
    EXPECT_FALSE(enabled(ListKind::ProgramStart, 1));
    EXPECT_FALSE(enabled(ListKind::ProgramStart, 2));
}

TEST_F(MainWindowTest, RemovalAsksAndOnlyYesChangesListAndStore) {
    select(ListKind::SystemStart, 0);
    select(ListKind::ProgramStart, 1);
    answer_ = IDNO;
    click(window_->link(ListKind::ProgramStart, 1));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].text, ReplaceFilePlaceholder(GetText(Text::RemoveConfirmation), "Delta"));
    EXPECT_EQ(questions_[0].title, "Tolvane");
    EXPECT_EQ(questions_[0].flags, UINT(MB_YESNO | MB_ICONINFORMATION));
    EXPECT_EQ(app_.model.programStart.size(), 2u);
    EXPECT_EQ(storedModel().programStart.size(), 2u);

    answer_ = IDYES;
    click(window_->link(ListKind::ProgramStart, 1));
    ASSERT_EQ(app_.model.programStart.size(), 1u);
    EXPECT_EQ(app_.model.programStart[0].entry.name, "Gamma");
    EXPECT_EQ(::SendMessageA(window_->list(ListKind::ProgramStart), LVM_GETITEMCOUNT, 0, 0), 1);
    const EntryModel stored = storedModel();
    ASSERT_EQ(stored.programStart.size(), 1u);
    EXPECT_EQ(stored.programStart[0].entry.name, "Gamma");
    EXPECT_EQ(stored.systemStart.size(), 2u);
    // Nothing is selected on that tab any more, whatever the other holds.
    EXPECT_FALSE(enabled(ListKind::ProgramStart, 1));
    EXPECT_FALSE(enabled(ListKind::ProgramStart, 2));
    EXPECT_TRUE(enabled(ListKind::SystemStart, 1));

    // A disabled link reports nothing.
    click(window_->link(ListKind::ProgramStart, 1));
    EXPECT_EQ(questions_.size(), 2u);
}

TEST_F(MainWindowTest, WizardActionsGetTheSelectedRow) {
    std::vector<std::string> calls;
    window_->actions.newSystemStart = [&] { calls.push_back("new system"); };
    window_->actions.newProgramStart = [&] { calls.push_back("new program"); };
    window_->actions.editSystemStart = [&](std::size_t row) { calls.push_back("edit system " + std::to_string(row)); };
    window_->actions.editProgramStart = [&](std::size_t row) { calls.push_back("edit program " + std::to_string(row)); };
    click(window_->link(ListKind::SystemStart, 0));
    click(window_->link(ListKind::ProgramStart, 0));
    select(ListKind::ProgramStart, 1);
    click(window_->link(ListKind::ProgramStart, 2));
    select(ListKind::SystemStart, 1);
    NMITEMACTIVATE dbl{};
    dbl.hdr.hwndFrom = window_->list(ListKind::SystemStart);
    dbl.hdr.idFrom = kIdList;
    dbl.hdr.code = NM_DBLCLK;
    ::SendMessageA(window_->window(), WM_NOTIFY, kIdList, reinterpret_cast<LPARAM>(&dbl));
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandNewSystemStart, 0);
    const std::vector<std::string> expected{"new system", "new program", "edit program 1", "edit system 1",
                                            "new system"};
    EXPECT_EQ(calls, expected);
}

TEST_F(MainWindowTest, CloseHidesAndShowCommandBringsItBack) {
    HWND main = window_->window();
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_TRUE(::IsWindow(main));
    ::SendMessageA(main, WM_COMMAND, kCommandShow, 0);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_FALSE(::IsIconic(main));

    ::ShowWindow(main, SW_MAXIMIZE);
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    ::SendMessageA(main, WM_COMMAND, kCommandShow, 0);
    EXPECT_TRUE(::IsZoomed(main));

    // A second start asks the running copy to show itself.
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_FALSE(::IsWindowVisible(main));
    EXPECT_TRUE(ShowRunningCopy());
    Pump();
    EXPECT_TRUE(::IsWindowVisible(main));
}

TEST_F(MainWindowTest, QuitNeedsConfirmation) {
    int code = -1;
    answer_ = IDCANCEL;
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandQuit, 0);
    EXPECT_FALSE(quitPosted(&code));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].text,
              std::string(GetText(Text::QuitWarningLine1)) + "\r\n" + std::string(GetText(Text::QuitWarningLine2)));
    EXPECT_EQ(questions_[0].flags, UINT(MB_OKCANCEL | MB_ICONEXCLAMATION));
    answer_ = IDOK;
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandQuit, 0);
    ASSERT_TRUE(quitPosted(&code));
    EXPECT_EQ(code, 0);
}

TEST_F(MainWindowTest, QuitWithAnUnsavedChangeTriesOnceMoreAndLetsTheUserStay) {
    std::vector<tolvane::testing::Question> told;
    int storeAnswer = IDCANCEL;
    app_.notify.ask = [&](const std::string& text, const std::string& title, UINT flags) {
        told.push_back({text, title, flags});
        return storeAnswer;
    };
    HANDLE lock = ::CreateFileA(storePath_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    select(ListKind::ProgramStart, 0);
    answer_ = IDYES;
    click(window_->link(ListKind::ProgramStart, 1));
    ASSERT_EQ(told.size(), 1u) << "the failed save after the removal is told";
    EXPECT_EQ(app_.model.programStart.size(), 1u);

    int code = -1;
    answer_ = IDOK;
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandQuit, 0);
    EXPECT_FALSE(quitPosted(&code)) << "the save failed again and the user chose to stay";
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[1].text.find("Trotzdem beenden?"), std::string::npos);
    EXPECT_NE(told[1].text.find(storePath_), std::string::npos);

    ::CloseHandle(lock);
    ::SendMessageA(window_->window(), WM_COMMAND, kCommandQuit, 0);
    EXPECT_TRUE(quitPosted(&code)) << "the retry on quit saved the removal";
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(storedModel().programStart.size(), 1u);
}

TEST_F(MainWindowTest, ShortcutsActOnlyWhileTheMainWindowIsActive) {
    int newSystem = 0, newProgram = 0;
    window_->actions.newSystemStart = [&] { ++newSystem; };
    window_->actions.newProgramStart = [&] { ++newProgram; };
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    const auto press = [&](WPARAM key) {
        MSG msg{window_->window(), WM_KEYDOWN, key, 1};
        return window_->translateShortcut(msg);
    };
    ::SetActiveWindow(window_->window());
    ASSERT_EQ(::GetActiveWindow(), window_->window());
    EXPECT_TRUE(press('S'));
    EXPECT_TRUE(press('P'));
    EXPECT_TRUE(press('A'));
    EXPECT_FALSE(press('Q'));
    EXPECT_EQ(newSystem, 1);
    EXPECT_EQ(newProgram, 1);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].title, std::string(fixed_text::kAboutTitle));

    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetActiveWindow(other);
    if (::GetActiveWindow() == other) {
        EXPECT_FALSE(press('S'));
        EXPECT_EQ(newSystem, 1);
    }
    ::DestroyWindow(other);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

TEST_F(MainWindowTest, ResizingMovesLinksDownAndGrowsLists) {
    HWND main = window_->window();
    RECT client{};
    ::GetClientRect(main, &client);
    EXPECT_EQ(client.right, 500);
    EXPECT_EQ(client.bottom, 350);
    const auto rectOf = [](HWND control) {
        RECT r{};
        ::GetWindowRect(control, &r);
        return r;
    };
    const RECT list = rectOf(window_->list(ListKind::SystemStart));
    const RECT link = rectOf(window_->link(ListKind::SystemStart, 2));
    RECT frame = rectOf(main);
    ::SetWindowPos(main, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 100,
                   SWP_NOMOVE | SWP_NOZORDER);
    const RECT list2 = rectOf(window_->list(ListKind::SystemStart));
    const RECT link2 = rectOf(window_->link(ListKind::SystemStart, 2));
    EXPECT_EQ(list2.right - list2.left, list.right - list.left + 100);
    EXPECT_EQ(list2.bottom - list2.top, list.bottom - list.top + 100);
    EXPECT_EQ(link2.left - link.left, list2.left - list.left);  // not sideways
    EXPECT_EQ(link2.top - link.top, 100 + (list2.top - list.top));
    EXPECT_EQ(link2.right - link2.left, 100);
}

TEST_F(MainWindowTest, TrayIconComesBackWithTheNotificationArea) {
    EXPECT_TRUE(window_->tray().added());
    window_->tray().remove();
    EXPECT_FALSE(window_->tray().added());
    ::SendMessageA(window_->window(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(window_->tray().added());
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window_->window();
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Tolvane");
    EXPECT_TRUE(::Shell_NotifyIconA(NIM_MODIFY, &data));
}

// They are set after the tray icon, which must not wait for them.
TEST_F(MainWindowTest, TheWindowCarriesTheProgramIconSmallAndLarge) {
    EXPECT_TRUE(::SendMessageA(window_->window(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_TRUE(::SendMessageA(window_->window(), WM_GETICON, ICON_BIG, 0));
}

int g_menusSeen = 0;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = ::FindWindowA("#32768", nullptr);
    if (menu && ::IsWindowVisible(menu)) ++g_menusSeen;
    ::EndMenu();
    ::KillTimer(nullptr, id);
}

TEST_F(MainWindowTest, TrayClicksOpenThePopupMenuOtherMouseMessagesDoNot) {
    for (LPARAM action : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MOUSEMOVE, WM_LBUTTONDOWN}) {
        g_menusSeen = 0;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, CloseMenu);
        ::SendMessageA(window_->window(), kTrayMessage, 0, action);
        const bool reported = action != WM_MOUSEMOVE && action != WM_LBUTTONDOWN;
        if (!reported) {
            ::KillTimer(nullptr, timer);
            EXPECT_EQ(g_menusSeen, 0) << action;
        } else {
            EXPECT_EQ(g_menusSeen, 1) << action;
        }
        Pump();
    }
}

TEST_F(MainWindowTest, WhileAWizardIsOpenTheTrayAndASecondStartBringItForward) {
    HWND main = window_->window();
    HWND wizard = ::CreateWindowExA(0, "STATIC", "wizard", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, main, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(wizard, nullptr);
    ::EnableWindow(main, FALSE);
    ::SetForegroundWindow(main);
    ::SetActiveWindow(wizard);
    Pump();
    for (LPARAM action : {WM_LBUTTONUP, WM_RBUTTONDBLCLK}) {
        g_menusSeen = 0;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, CloseMenu);
        ::SendMessageA(main, kTrayMessage, 0, action);
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(g_menusSeen, 0) << action;
    }
    ::ShowWindow(main, SW_HIDE);
    ::SendMessageA(main, ::RegisterWindowMessageA("Tolvane.ShowMainWindow"), 0, 0);
    EXPECT_FALSE(::IsWindowVisible(main));  // the wizard's owner stays as it was
    EXPECT_EQ(::GetForegroundWindow(), wizard);

    // Once the wizard has ended, both work as before.
    ::EnableWindow(main, TRUE);
    ::DestroyWindow(wizard);
    ::SendMessageA(main, ::RegisterWindowMessageA("Tolvane.ShowMainWindow"), 0, 0);
    EXPECT_TRUE(::IsWindowVisible(main));
    Pump();
    g_menusSeen = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, CloseMenu);
    ::SendMessageA(main, kTrayMessage, 0, WM_LBUTTONUP);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(g_menusSeen, 1);
    Pump();
}

TEST_F(MainWindowTest, MenusCarryIconItemsWithTheirTexts) {
    const IconMenuItems& items = window_->iconMenuItems();
    // Menu bar, tray menu, then the two row menus.
    ASSERT_EQ(items.size(), 19u);
    EXPECT_EQ(items[0].text, std::string(GetText(Text::NewSystemStartWizard)) + "\tStrg+S");
    EXPECT_EQ(items[5].text, std::string(GetText(Text::AboutWord)) + " Tolvane...\tStrg+A");
    EXPECT_EQ(items[6].text, GetText(Text::ShowTolvane));
    EXPECT_EQ(items[6].command, UINT(kCommandShow));
    EXPECT_EQ(items[11].command, UINT(kCommandQuit));
    // "Beim Anmelden starten" has a check mark where the others have an icon.
    for (std::size_t index = 0; index < 12; ++index) {
        const bool checkItem = items[index].command == kCommandStartAtLogon;
        EXPECT_EQ(items[index].icon == nullptr, checkItem) << items[index].text;
        if (checkItem) {
            EXPECT_EQ(items[index].text, "Beim Anmelden starten");
        }
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoA(window_->tray().menu(), kCommandQuit, FALSE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<const IconMenuItem*>(info.dwItemData), &items[11]);
}

TEST_F(MainWindowTest, StartAtLogonIsCheckedInBothMenusAndItsCommandSwitchesIt) {
    int switched = 0;
    window_->actions.switchStartAtLogon = [&switched] { ++switched; };
    const auto checked = [](HMENU menu) {
        return (::GetMenuState(menu, kCommandStartAtLogon, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    for (bool on : {true, false}) {
        window_->showStartAtLogon(on);
        EXPECT_EQ(checked(window_->fileMenu()), on);
        EXPECT_EQ(checked(window_->tray().menu()), on);
    }
    ::SendMessageW(window_->window(), WM_COMMAND, kCommandStartAtLogon, 0);
    EXPECT_EQ(switched, 1);
}

TEST_F(MainWindowTest, LinkCapturesTheMouseWhileOverIt) {
    HWND link = window_->link(ListKind::SystemStart, 0);
    ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(::GetCapture(), link);
    EXPECT_TRUE(LinkIsHovered(link));
    ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_NE(::GetCapture(), link);
    EXPECT_FALSE(LinkIsHovered(link));
}

TEST_F(MainWindowTest, LongCellTextsAreCutToTheListsBufferWithTheirEnd) {
    const std::string condition = std::string(600, 'c') + "ä";
    app_.model.systemStart.replace(1, StartEntry{"Beta", condition, "", "", "C:\\b.exe"});
    NMLVDISPINFOW ask{};
    ask.hdr.hwndFrom = window_->list(ListKind::SystemStart);
    ask.hdr.idFrom = kIdList;
    ask.hdr.code = LVN_GETDISPINFOW;
    wchar_t buffer[260];
    std::fill(std::begin(buffer), std::end(buffer), L'X');
    ask.item.mask = LVIF_TEXT;
    ask.item.iItem = 1;
    ask.item.iSubItem = 1;
    ask.item.pszText = buffer;
    ask.item.cchTextMax = 260;
    ::SendMessageA(window_->window(), WM_NOTIFY, kIdList, reinterpret_cast<LPARAM>(&ask));
    EXPECT_EQ(std::wstring(buffer, 259), std::wstring(259, L'c'));
    EXPECT_EQ(buffer[259], L'\0');

    app_.model.systemStart.replace(1, StartEntry{"Bär", "", "", "", "C:\\b.exe"});
    ask.item.iSubItem = 0;
    ::SendMessageA(window_->window(), WM_NOTIFY, kIdList, reinterpret_cast<LPARAM>(&ask));
    EXPECT_EQ(std::wstring(buffer), L"B\u00E4r");
}

int PixelsOfColour(HWND window, COLORREF colour) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    int found = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) found += ::GetPixel(dc, x, y) == colour;
    }
    ::ReleaseDC(window, dc);
    return found;
}

TEST_F(MainWindowTest, ALinkDisabledAwayFromTheMouseLeavesNoBlueBehind) {
    HWND link = window_->link(ListKind::SystemStart, 0);
    ::RedrawWindow(window_->window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    ASSERT_GT(PixelsOfColour(link, kLinkColour), 20) << "the enabled link is drawn in blue";
    ::EnableWindow(link, FALSE);
    ::UpdateWindow(window_->window());
    Pump();
    EXPECT_EQ(PixelsOfColour(link, kLinkColour), 0) << "text or underline of the enabled look remain";
    ::EnableWindow(link, TRUE);
    ::UpdateWindow(window_->window());
    Pump();
    EXPECT_GT(PixelsOfColour(link, kLinkColour), 20);
}

struct BoxCheck {
    HWND main = nullptr;
    bool sawBox = false;
    bool mainEnabledDuringBox = true;
};
BoxCheck g_box;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(w, &process);
        if (process != ::GetCurrentProcessId() || !::IsWindowVisible(w)) continue;
        g_box.sawBox = true;
        g_box.mainEnabledDuringBox = ::IsWindowEnabled(g_box.main);
        ::KillTimer(nullptr, id);
        ::PostMessageA(w, WM_COMMAND, IDNO, 0);
        return;
    }
}

TEST_F(MainWindowTest, MessageBoxDisablesTheProgramsWindowsWhileOpen) {
    g_box = {window_->window()};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, AnswerBox);
    const int answer = ProgramMessageBox("Frage", "Tolvane", MB_YESNO | MB_ICONINFORMATION);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_box.sawBox);
    EXPECT_FALSE(g_box.mainEnabledDuringBox);
    EXPECT_EQ(answer, IDNO);
    EXPECT_TRUE(::IsWindowEnabled(window_->window()));
}

TEST(IconMenuItem, MeasuresTheWholeTextAndFillsTheHighlight) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    IconMenuItem item{images.menuFont(), "Tolvane beenden\tAlt+F4", images.icon(kImageQuit), kCommandQuit};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, images.menuFont());
    SIZE extent{};
    ::GetTextExtentPoint32A(screen, item.text.c_str(), static_cast<int>(item.text.size()), &extent);
    ::SelectObject(screen, old);
    const SIZE size = MeasureIconMenuItem(item);
    EXPECT_EQ(size.cx, extent.cx + 16);
    EXPECT_EQ(size.cy, extent.cy + 4);

    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 20);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    const RECT area{0, 0, 200, 20};
    DrawIconMenuItem(item, memory, area, true);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(::GetPixel(memory, 0, 0), highlight);
    EXPECT_EQ(::GetPixel(memory, 199, 19), highlight);
    // Not selected: the shortcut is dark blue, right-aligned before r - 10.
    ::SetBkColor(memory, RGB(255, 255, 255));
    DrawIconMenuItem(item, memory, area, false);
    int darkBlue = 0, rightOfEnd = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x) {
            const COLORREF c = ::GetPixel(memory, x, y);
            if (c == kShortcutColour) x < 190 ? ++darkBlue : ++rightOfEnd;
        }
    EXPECT_GT(darkBlue, 0);
    EXPECT_EQ(rightOfEnd, 0);
    EXPECT_EQ(::GetPixel(memory, 199, 0), RGB(255, 255, 255));
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
}

}  // namespace
