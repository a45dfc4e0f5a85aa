// The main window: two tabs with the entry lists and their action links,
// the menu bar, the keyboard shortcuts, the tray icon and its popup menu.
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
#include "ui/icon_menu_win.h"
#include "ui/icon_slots.h"
#include "ui/image_set_win.h"
#include "ui/link_control_win.h"
#include "ui/row_menu_win.h"
#include "ui/message_box_win.h"

namespace tolvane {

// Command numbers of the menus, the shortcuts and the tray popup.
enum Command : UINT {
    kCommandShow = 0,
    kCommandNewSystemStart = 1,
    kCommandNewProgramStart = 2,
    kCommandQuit = 4,
    kCommandAbout = 5,
    kCommandShowHistory = 6,
};

// Control ids: per tab, list + three links.
enum ControlId : int {
    kIdTabs = 100,
    kIdList = 110,  // + tab
    kIdLinkAdd = 120,  // + tab
    kIdLinkRemove = 130,  // + tab
    kIdLinkEdit = 140,  // + tab
};

// Row icons kept per list: far more than a screen of rows, few enough that
// scrolling through thousands of programs keeps memory flat.
inline constexpr std::size_t kRowIconSlots = 256;

inline constexpr UINT kTrayMessage = WM_APP + 1;
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
    // The engine has events for the windows.
    std::function<void()> engineEvents;
    // The quit is decided; the loop ends at the next message.
    std::function<void()> quitting;
    // Windows is ending the session (logoff, shutdown).
    std::function<void()> sessionEnding;
};

// The shell's tray call; tests put a recorder in its place.
using NotifyIconCall = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;

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
    HWND list(ListKind kind) const { return lists_[Index(kind)]; }
    HWND link(ListKind kind, int which) const { return links_[Index(kind)][which]; }  // 0 add, 1 remove, 2 edit
    HWND tabs() const { return tabs_; }
    HMENU trayMenu() const { return trayMenu_.get(); }
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
    void addTrayIcon();
    void removeTrayIcon();
    bool trayIconAdded() const { return trayAdded_; }
    void showAbout();
    // A balloon at the tray icon naming what went wrong (texts in UTF-8);
    // false when there is no tray icon or the shell refused it.
    bool showBalloon(const std::string& title, const std::string& text, bool warning = false);
    NotifyIconCall notifyBalloon = ::Shell_NotifyIconW;
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
    void keepFocusedRow(HWND view);
    void onCommand(UINT id);
    LRESULT onNotify(NMHDR& header);
    void fillDisplayInfo(ListKind kind, LVITEMW& item);
    int rowImage(ListKind kind, const std::string& targetPath);
    int findRow(ListKind kind, UINT flags, const wchar_t* text, int start) const;
    void showTrayMenu();
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
    HWND tabs_ = nullptr;
    std::array<HWND, 2> lists_{};
    std::array<std::array<HWND, 3>, 2> links_{};
    UniqueMenu trayMenu_;
    UniqueAccelerators accelerators_;
    IconMenuItems menuItems_;
    RowMenus rowMenus_;
    std::array<RowInput, 2> rowInput_;
    UniqueImageList tabImages_;
    // Which icons each list's image list holds, by what they show.
    std::array<IconSlots, 2> rowIcons_{IconSlots(kRowIconSlots), IconSlots(kRowIconSlots)};
    bool trayAdded_ = false;
    // The control that had the keyboard when the window was last deactivated.
    HWND lastFocus_ = nullptr;
    UINT taskbarCreated_ = 0;
    UINT showRequest_ = 0;
    // Distances measured at creation, kept on resize.
    RECT tabMargins_{};
    std::array<RECT, 2> listMargins_{};
    std::array<std::array<POINT, 3>, 2> linkFromBottomLeft_{};
    std::array<std::array<SIZE, 3>, 2> linkSizes_{};
};

}  // namespace tolvane
