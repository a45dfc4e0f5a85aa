// The main window's frame: the menu bar and keyboard shortcuts, two tabs
// with an entry list each (entry_list_view_win.h) and their action links,
// and the tray icon (tray_icon_win.h) with its popup menu.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "core/entry_book.h"
#include "core/start_entry.h"
#include "core/unique_handle_win.h"
#include "ui/entry_list_view_win.h"
#include "ui/icon_menu_win.h"
#include "ui/image_set_win.h"
#include "ui/link_control_win.h"
#include "ui/message_box_win.h"
#include "ui/row_menu_win.h"
#include "ui/tray_icon_win.h"

namespace tolvane {

// Command numbers of the menus, the shortcuts and the tray popup.
enum Command : UINT {
    kCommandShow = 0,
    kCommandNewSystemStart = 1,
    kCommandNewProgramStart = 2,
    kCommandQuit = 4,
    kCommandAbout = 5,
    kCommandShowHistory = 6,
    kCommandStartAtLogon = 7,
};

// Control ids: per tab, list + three links.
enum ControlId : int {
    kIdTabs = 100,
    kIdList = 110,  // + tab
    kIdLinkAdd = 120,  // + tab
    kIdLinkRemove = 130,  // + tab
    kIdLinkEdit = 140,  // + tab
};

// Posted by the engine's threads when they have events for the windows.
inline constexpr UINT kEngineMessage = WM_APP + 2;
inline constexpr wchar_t kMainWindowClass[] = L"TolvaneMainWindow";
// Posted by a second start of the program to bring the first one forward.
inline constexpr wchar_t kShowMessageName[] = L"Tolvane.ShowMainWindow";

// The wizards and commands that the window opens; unset ones do nothing.
struct MainWindowActions {
    std::function<void()> newSystemStart;
    std::function<void(std::size_t row)> editSystemStart;
    std::function<void()> newProgramStart;
    std::function<void(std::size_t row)> editProgramStart;
    std::function<void(ListKind kind, std::size_t row)> startNow;
    std::function<void(std::size_t row)> checkPreconditions;  // system-start rows
    std::function<void()> showHistory;
    // "Beim Anmelden starten" was chosen; the item shows the state it had.
    std::function<void()> switchStartAtLogon;
    // The engine has events for the windows.
    std::function<void()> engineEvents;
    // The quit is decided; the loop ends at the next message.
    std::function<void()> quitting;
    // Windows is ending the session (logoff, shutdown).
    std::function<void()> sessionEnding;
};

class MainWindow {
public:
    // Creates the window (hidden when asked), its menus, contents and the
    // tray icon. The window lives as long as the object.
    MainWindow(EntryBook& app, const ImageSet& images, bool hidden);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND window() const { return window_.get(); }
    HACCEL accelerators() const { return accelerators_.get(); }
    HWND list(ListKind kind) const { return views_[Index(kind)].window(); }
    HWND link(ListKind kind, int which) const { return links_[Index(kind)][which]; }  // 0 add, 1 remove, 2 edit
    HWND tabs() const { return tabs_; }
    const IconMenuItems& iconMenuItems() const { return menuItems_; }

    MainWindowActions actions;
    AskUser ask;  // questions (UTF-8): the program's message box unless a test replaces it

    // The model's list changed (a load, an add, an edit or a removal): the
    // list takes the new row count, keeps its place and draws again the rows
    // on screen. An add, a removal or a load leaves nothing selected; an edit
    // keeps the selection.
    void entriesChanged(ListKind kind);
    void updateLinks(ListKind kind);
    int selectedRow(ListKind kind) const;
    void removeSelected(ListKind kind);
    void showFromTray();
    void confirmQuit();
    void showAbout();
    TrayIcon& tray() { return tray_; }
    // Checks or clears "Beim Anmelden starten" in the file and the tray menu.
    void showStartAtLogon(bool on);
    HMENU fileMenu() const { return fileMenu_; }
    RowMenus& rowMenus() { return rowMenus_; }
    // Translates the shortcuts while the main window is active.
    bool translateShortcut(MSG& msg);

private:
    static int Index(ListKind kind) { return kind == ListKind::SystemStart ? 0 : 1; }
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildMenus();
    void buildContents();
    void layout();
    void showTab(int tab);
    // The keyboard goes back where it was when the window was left, or to
    // the current tab's list, on a row.
    void restoreFocus();
    int currentTab() const;
    void onCommand(UINT id);
    LRESULT onNotify(NMHDR& header);
    // True when a modal window of the program disables this one; that window
    // is then brought forward.
    bool bringModalForward();
    // The rows' context menu and keys (main_window_rows_win.cpp).
    void watchRows(ListKind kind);
    void openRowMenu(ListKind kind, POINT screen, bool byKeyboard);
    void runRowCommand(ListKind kind, RowCommand command, std::size_t row);

    EntryBook& app_;
    const ImageSet& images_;
    UniqueWindow window_;
    TrayIcon tray_;
    HWND tabs_ = nullptr;
    std::array<EntryListView, 2> views_;
    std::array<std::array<HWND, 3>, 2> links_{};
    HMENU fileMenu_ = nullptr;  // owned by the menu bar
    UniqueAccelerators accelerators_;
    IconMenuItems menuItems_;
    RowMenus rowMenus_;
    UniqueImageList tabImages_;
    // The control that had the keyboard when the window was last deactivated.
    HWND lastFocus_ = nullptr;
    UINT showRequest_ = 0;
    // Distances measured at creation, kept on resize.
    RECT tabMargins_{};
    std::array<RECT, 2> listMargins_{};
    std::array<std::array<POINT, 3>, 2> linkFromBottomLeft_{};
    std::array<std::array<SIZE, 3>, 2> linkSizes_{};
};

}  // namespace tolvane
