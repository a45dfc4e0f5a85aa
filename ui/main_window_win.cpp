#include "ui/main_window_win.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "core/startup_trace_win.h"
#include "core/texts.h"
#include "core/wide_text_win.h"
#include "res/resource_ids.h"
#include "ui/dpi_win.h"
#include "ui/guarded_procedure_win.h"

namespace tolvane {

namespace {

constexpr int kDesignWidth = 500;
constexpr int kDesignHeight = 350;

struct LinkPlace {
    int x, width;
    Text text;
};
constexpr LinkPlace kLinks[3] = {{10, 120, Text::LinkAdd}, {150, 150, Text::LinkRemove}, {320, 100, Text::LinkEdit}};

std::wstring Wide(std::string_view text) { return WideOfUtf8(text); }

int DefaultAsk(const std::string& text, const std::string& title, UINT flags) {
    const bool appIcon = flags & MB_USERICON;
    return ProgramMessageBox(text, title, flags & ~MB_USERICON, appIcon ? MAKEINTRESOURCEW(IDI_APP) : nullptr);
}

// The lists and links live on the tab panel; their notifications belong to
// the main window.
LRESULT CALLBACK ForwardToParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return GuardedSubclass(window, message, wParam, lParam, [&] {
        if (message == WM_COMMAND || message == WM_NOTIFY)
            return ::SendMessageW(::GetParent(window), message, wParam, lParam);
        return ::DefSubclassProc(window, message, wParam, lParam);
    });
}

void RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSW type{};
    if (::GetClassInfoW(instance, kMainWindowClass, &type)) return;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    // No class icon: the window gets its icons after the tray icon is shown.
    type.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kMainWindowClass;
    ::RegisterClassW(&type);
}

}  // namespace

MainWindow::MainWindow(EntryBook& app, const ImageSet& images, bool hidden)
    : ask(DefaultAsk),
      app_(app),
      images_(images),
      views_{{EntryListView(app.model.systemStart), EntryListView(app.model.programStart)}} {
    showRequest_ = ::RegisterWindowMessageW(kShowMessageName);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterMainClass(instance, Procedure);

    // Sized without the menu so that the client area is 500 x 350 (at 96
    // DPI; scaled with the display) once the menu bar is attached.
    constexpr DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, Scale(kDesignWidth), Scale(kDesignHeight) + ::GetSystemMetrics(SM_CYMENU)};
    ::AdjustWindowRect(&frame, style, FALSE);
    const int width = std::min<int>(frame.right - frame.left, ::GetSystemMetrics(SM_CXSCREEN));
    const int height = std::min<int>(frame.bottom - frame.top, ::GetSystemMetrics(SM_CYSCREEN));
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    ::CreateWindowExW(0, kMainWindowClass, Wide(fixed_text::kMainWindowTitle).c_str(), style, x, y, width, height,
                      nullptr, nullptr, instance, this);
    if (!window_) return;
    // The tray icon first: it is all a start at logon shows. A click on it
    // waits in the queue until the menus and lists below exist.
    tray_.attach(window(), images_.icon(kImageApp));
    tray_.add();
    TraceStartupMilestone("tray-icon");
    if (HICON small = images_.icon(kImageApp))
        ::SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    ::SendMessageW(window(), WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(::LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP))));
    if (!hidden) ::ShowWindow(window(), SW_SHOWNORMAL);
    buildMenus();
    buildContents();
    // Shown before its lists existed, the window kept the keyboard itself.
    if (::GetActiveWindow() == window()) restoreFocus();
}

MainWindow::~MainWindow() {
    tray_.remove();
    if (window_) ::SetWindowLongPtrW(window(), GWLP_USERDATA, 0);
    window_.reset();
}

void MainWindow::buildMenus() {
    HFONT font = images_.menuFont();
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    fileMenu_ = file;
    HMENU help = ::CreatePopupMenu();
    const std::wstring newSystem = Wide(GetText(Text::NewSystemStartWizard));
    const std::wstring newProgram = Wide(GetText(Text::NewProgramStartWizard));
    const std::wstring quit = Wide(GetText(Text::QuitTolvane));
    ::AppendMenuW(file, MF_STRING, kCommandNewSystemStart, (newSystem + Wide(fixed_text::kSuffixNewSystemStart)).c_str());
    ::AppendMenuW(file, MF_STRING, kCommandNewProgramStart,
                  (newProgram + Wide(fixed_text::kSuffixNewProgramStart)).c_str());
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    const std::wstring history = Wide(fixed_text::kShowHistory);
    ::AppendMenuW(file, MF_STRING, kCommandShowHistory, history.c_str());
    const std::wstring startAtLogon = Wide(fixed_text::kStartAtLogon);
    ::AppendMenuW(file, MF_STRING, kCommandStartAtLogon, startAtLogon.c_str());
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING, kCommandQuit, (quit + Wide(fixed_text::kSuffixQuit)).c_str());
    ::AppendMenuW(help, MF_STRING, kCommandAbout,
                  (Wide(GetText(Text::AboutWord)) + Wide(fixed_text::kAboutItemRest)).c_str());
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), Wide(GetText(Text::MenuFile)).c_str());
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Wide(fixed_text::kHelpMenu).c_str());
    MakeIconMenuItem(menuItems_, file, kCommandNewSystemStart, images_.icon(kImageSystemStart), font);
    MakeIconMenuItem(menuItems_, file, kCommandNewProgramStart, images_.icon(kImageProgramStart), font);
    MakeIconMenuItem(menuItems_, file, kCommandShowHistory, images_.icon(kImageHistory), font);
    MakeIconMenuItem(menuItems_, file, kCommandStartAtLogon, nullptr, font);
    MakeIconMenuItem(menuItems_, file, kCommandQuit, images_.icon(kImageQuit), font);
    MakeIconMenuItem(menuItems_, help, kCommandAbout, images_.icon(kImageApp), font);
    ::SetMenu(window(), bar);

    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'S', kCommandNewSystemStart},
                    {FVIRTKEY | FCONTROL, 'P', kCommandNewProgramStart},
                    {FVIRTKEY | FCONTROL, 'A', kCommandAbout}};
    accelerators_.reset(::CreateAcceleratorTableW(keys, 3));

    UniqueMenu trayMenu(::CreatePopupMenu());
    HMENU tray = trayMenu.get();
    ::AppendMenuW(tray, MF_STRING, kCommandShow, Wide(GetText(Text::ShowTolvane)).c_str());
    ::AppendMenuW(tray, MF_STRING, kCommandShowHistory, history.c_str());
    ::AppendMenuW(tray, MF_STRING, kCommandStartAtLogon, startAtLogon.c_str());
    ::AppendMenuW(tray, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(tray, MF_STRING, kCommandNewSystemStart, newSystem.c_str());
    ::AppendMenuW(tray, MF_STRING, kCommandNewProgramStart, newProgram.c_str());
    ::AppendMenuW(tray, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(tray, MF_STRING, kCommandQuit, quit.c_str());
    MakeIconMenuItem(menuItems_, tray, kCommandShow, images_.icon(kImageApp), font);
    MakeIconMenuItem(menuItems_, tray, kCommandShowHistory, images_.icon(kImageHistory), font);
    MakeIconMenuItem(menuItems_, tray, kCommandStartAtLogon, nullptr, font);
    MakeIconMenuItem(menuItems_, tray, kCommandNewSystemStart, images_.icon(kImageSystemStart), font);
    MakeIconMenuItem(menuItems_, tray, kCommandNewProgramStart, images_.icon(kImageProgramStart), font);
    MakeIconMenuItem(menuItems_, tray, kCommandQuit, images_.icon(kImageQuit), font);
    tray_.setMenu(std::move(trayMenu));
    rowMenus_.build(images_, menuItems_);
}

void MainWindow::buildContents() {
    // Tolvane loads the common controls when first called, here, after its
    // tray icon; their classes must be there before the first control.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RECT client{};
    ::GetClientRect(window(), &client);
    // Every length below is designed for 96 DPI and scaled to the display's.
    const RECT tabPlace = ScaleRect(5, 5, kDesignWidth - 10, kDesignHeight - 10);
    tabs_ = ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, tabPlace.left,
                              tabPlace.top, tabPlace.right - tabPlace.left, tabPlace.bottom - tabPlace.top, window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdTabs)), instance, nullptr);
    if (!tabs_) return;
    ::SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    ::SetWindowSubclass(tabs_, ForwardToParent, 1, 0);
    tabMargins_ = {tabPlace.left, tabPlace.top, client.right - tabPlace.right, client.bottom - tabPlace.bottom};
    const int iconSize = Scale(16);
    tabImages_.reset(::ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 2, 0));
    ::ImageList_AddIcon(tabImages_.get(), images_.icon(kImageSystemStart));
    ::ImageList_AddIcon(tabImages_.get(), images_.icon(kImageProgramStart));
    ::SendMessageW(tabs_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tabImages_.get()));

    const Text tabTitles[2] = {Text::TabSystemStart, Text::TabProgramStart};
    const Text triggerColumn[2] = {Text::ColumnCondition, Text::ColumnTrigger};
    for (int tab = 0; tab < 2; ++tab) {
        std::wstring title = Wide(GetText(tabTitles[tab]));
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = title.data();
        item.iImage = tab;
        ::SendMessageW(tabs_, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
    }
    RECT page{};
    ::GetClientRect(tabs_, &page);
    RECT tabClient = page;
    ::SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));

    for (int tab = 0; tab < 2; ++tab) {
        const int listWidth = Scale(kDesignWidth - 14);
        const int listHeight = Scale(kDesignHeight - 60);
        const std::string titles[kEntryFieldCount] = {
            std::string(fixed_text::kColumnName), std::string(GetText(triggerColumn[tab])),
            std::string(GetText(Text::ColumnParameters)), std::string(GetText(Text::ColumnHidden)),
            std::string(GetText(Text::ColumnPath))};
        const RECT place{page.left, page.top, page.left + listWidth, page.top + listHeight};
        views_[tab].create(tabs_, kIdList + tab, place, tab == 0, titles);
        watchRows(tab == 0 ? ListKind::SystemStart : ListKind::ProgramStart);
        listMargins_[tab] = {page.left, page.top, tabClient.right - (page.left + listWidth),
                             tabClient.bottom - (page.top + listHeight)};
        for (int which = 0; which < 3; ++which) {
            const int linkX = page.left + Scale(kLinks[which].x);
            const int linkY = page.top + Scale(kDesignHeight - 55);
            const SIZE linkSize{Scale(kLinks[which].width), Scale(20)};
            HWND link = CreateLink(tabs_, kIdLinkAdd + which * 10 + tab, GetText(kLinks[which].text),
                                   linkX, linkY, linkSize.cx, linkSize.cy, which == 0);
            if (link && tab != 0) ::ShowWindow(link, SW_HIDE);
            links_[tab][which] = link;
            linkFromBottomLeft_[tab][which] = {linkX, tabClient.bottom - linkY};
            linkSizes_[tab][which] = linkSize;
        }
    }
}

void MainWindow::layout() {
    if (!tabs_) return;
    RECT client{};
    ::GetClientRect(window(), &client);
    ::MoveWindow(tabs_, tabMargins_.left, tabMargins_.top, client.right - tabMargins_.left - tabMargins_.right,
                 client.bottom - tabMargins_.top - tabMargins_.bottom, TRUE);
    RECT tab{};
    ::GetClientRect(tabs_, &tab);
    for (int index = 0; index < 2; ++index) {
        const RECT& m = listMargins_[index];
        if (HWND view = views_[index].window())
            ::MoveWindow(view, m.left, m.top, tab.right - m.left - m.right, tab.bottom - m.top - m.bottom, TRUE);
        for (int which = 0; which < 3; ++which) {
            if (!links_[index][which]) continue;
            const POINT at = linkFromBottomLeft_[index][which];
            ::MoveWindow(links_[index][which], at.x, tab.bottom - at.y, linkSizes_[index][which].cx,
                         linkSizes_[index][which].cy, TRUE);
        }
    }
}

void MainWindow::showTab(int tab) {
    for (int index = 0; index < 2; ++index) {
        const int show = index == tab ? SW_SHOW : SW_HIDE;
        if (HWND view = views_[index].window()) ::ShowWindow(view, show);
        for (HWND link : links_[index])
            if (link) ::ShowWindow(link, show);
    }
    lastFocus_ = nullptr;
    if (::GetActiveWindow() == window()) restoreFocus();
}

void MainWindow::showStartAtLogon(bool on) {
    const UINT state = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    if (fileMenu_) ::CheckMenuItem(fileMenu_, kCommandStartAtLogon, state);
    if (tray_.menu()) ::CheckMenuItem(tray_.menu(), kCommandStartAtLogon, state);
}

int MainWindow::currentTab() const {
    return tabs_ && ::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) == 1 ? 1 : 0;
}

void MainWindow::restoreFocus() {
    HWND target = lastFocus_;
    // The control may be gone, hidden with its tab or disabled meanwhile.
    if (!target || !::IsChild(window(), target) || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
        target = views_[currentTab()].window();
    if (!target) return;
    if (target == views_[currentTab()].window()) views_[currentTab()].keepFocusedRow();
    ::SetFocus(target);
}

void MainWindow::entriesChanged(ListKind kind) {
    views_[Index(kind)].rowsChanged();
    updateLinks(kind);
}

int MainWindow::selectedRow(ListKind kind) const { return views_[Index(kind)].selectedRow(); }

void MainWindow::updateLinks(ListKind kind) {
    const bool any = selectedRow(kind) >= 0;
    for (int which = 1; which < 3; ++which)
        if (HWND control = link(kind, which)) ::EnableWindow(control, any);
}

void MainWindow::removeSelected(ListKind kind) {
    const int row = selectedRow(kind);
    EntryList& rows = app_.model.list(kind);
    if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) {
        const std::string text = ReplaceFilePlaceholder(GetText(Text::RemoveConfirmation), rows[row].entry.name);
        if (ask(text, std::string(fixed_text::kAppName), MB_YESNO | MB_ICONINFORMATION) == IDYES) {
            rows.remove(static_cast<std::size_t>(row));
            app_.commitEntries();
            entriesChanged(kind);
        }
    }
    updateLinks(kind);
}

bool MainWindow::bringModalForward() {
    if (!window_ || ::IsWindowEnabled(window())) return false;
    HWND popup = ::GetLastActivePopup(window());
    if (popup && popup != window()) ::SetForegroundWindow(popup);
    return true;
}

void MainWindow::showFromTray() {
    // Restoring a minimised window brings back a maximised one maximised.
    ::ShowWindow(window(), ::IsIconic(window()) ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(window());
}

void MainWindow::confirmQuit() {
    const std::string text =
        std::string(GetText(Text::QuitWarningLine1)) + "\r\n" + std::string(GetText(Text::QuitWarningLine2));
    if (ask(text, std::string(fixed_text::kAppName), MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK ||
        !app_.readyToQuit())
        return;
    if (actions.quitting) actions.quitting();
    ::PostQuitMessage(0);
}

void MainWindow::showAbout() {
    const std::string text =
        std::string(fixed_text::kMainWindowTitle) + "\r\n\r\n" + std::string(GetText(Text::ProgramDescription));
    ask(text, std::string(fixed_text::kAboutTitle), MB_OK | MB_USERICON);
}

bool MainWindow::translateShortcut(MSG& msg) {
    if (!accelerators_ || !window_ || ::GetActiveWindow() != window()) return false;
    return ::TranslateAcceleratorW(window(), accelerators_.get(), &msg) != 0;
}

void MainWindow::onCommand(UINT id) {
    const auto kindOf = [](UINT control) { return control % 10 == 0 ? ListKind::SystemStart : ListKind::ProgramStart; };
    switch (id) {
    case kCommandShow: showFromTray(); return;
    case kCommandNewSystemStart: if (actions.newSystemStart) actions.newSystemStart(); return;
    case kCommandNewProgramStart: if (actions.newProgramStart) actions.newProgramStart(); return;
    case kCommandQuit: confirmQuit(); return;
    case kCommandAbout: showAbout(); return;
    case kCommandShowHistory: if (actions.showHistory) actions.showHistory(); return;
    case kCommandStartAtLogon: if (actions.switchStartAtLogon) actions.switchStartAtLogon(); return;
    }
    if (id == kIdLinkAdd || id == kIdLinkAdd + 1) {
        onCommand(kindOf(id) == ListKind::SystemStart ? kCommandNewSystemStart : kCommandNewProgramStart);
    } else if (id == kIdLinkRemove || id == kIdLinkRemove + 1) {
        removeSelected(kindOf(id));
    } else if (id == kIdLinkEdit || id == kIdLinkEdit + 1) {
        const ListKind kind = kindOf(id);
        const int row = selectedRow(kind);
        if (row >= 0) {
            auto& edit = kind == ListKind::SystemStart ? actions.editSystemStart : actions.editProgramStart;
            if (edit) edit(static_cast<std::size_t>(row));
        }
        updateLinks(kind);
    }
}

LRESULT MainWindow::onNotify(NMHDR& header) {
    if (header.idFrom == kIdTabs && header.code == TCN_SELCHANGE) {
        showTab(static_cast<int>(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    if (header.idFrom != kIdList && header.idFrom != kIdList + 1) return 0;
    const ListKind kind = header.idFrom == kIdList ? ListKind::SystemStart : ListKind::ProgramStart;
    if (LRESULT answer = 0; views_[Index(kind)].onNotify(header, answer)) return answer;
    switch (header.code) {
    case NM_CLICK:
    case NM_RCLICK:
    case NM_RDBLCLK:
    case LVN_BEGINDRAG:
    case LVN_ITEMCHANGED:
        updateLinks(kind);
        break;
    case NM_DBLCLK: {
        updateLinks(kind);
        const int row = selectedRow(kind);
        auto& edit = kind == ListKind::SystemStart ? actions.editSystemStart : actions.editProgramStart;
        if (row >= 0 && edit) edit(static_cast<std::size_t>(row));
        break;
    }
    }
    return 0;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = window();
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) layout();
        return 0;
    case WM_ACTIVATE:
        // Left alone, every return from a dialog, a question or a menu would
        // leave the keyboard on the frame, where no key does anything.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(self, focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            restoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_CLOSE:
        // Closing only hides: the program goes on in the notification area.
        ::ShowWindow(self, SW_MINIMIZE);
        ::ShowWindow(self, SW_HIDE);
        return 0;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU || !measure->itemData) break;
        const SIZE size = MeasureIconMenuItem(*reinterpret_cast<const IconMenuItem*>(measure->itemData));
        measure->itemWidth = size.cx;
        measure->itemHeight = size.cy;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU || !draw->itemData) break;
        DrawIconMenuItem(*reinterpret_cast<const IconMenuItem*>(draw->itemData), draw->hDC, draw->rcItem,
                         draw->itemState & ODS_SELECTED, draw->itemState & ODS_CHECKED);
        return TRUE;
    }
    case kEngineMessage:
        if (actions.engineEvents) actions.engineEvents();
        return 0;
    case WM_ENDSESSION:
        if (wParam && actions.sessionEnding) actions.sessionEnding();
        return 0;
    case kTrayMessage:
        switch (lParam) {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            // A wizard or message box is open: its nested loop owns the program
            // until it ends, so the click only brings it forward; a second wizard
            // or a quit from under it would be opened otherwise.
            if (!bringModalForward()) tray_.showMenu();
        }
        return 0;
    }
    if (tray_.onTaskbarCreated(message)) return 0;
    if (message == showRequest_ && message != 0) {
        if (!bringModalForward()) showFromTray();
        return 0;
    }
    return ::DefWindowProcW(self, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    return GuardedProcedure(window, message, wParam, lParam, [&] { return self->handle(message, wParam, lParam); });
}

}  // namespace tolvane
