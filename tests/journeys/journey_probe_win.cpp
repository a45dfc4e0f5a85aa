// Looks at Tolvane's windows from outside for the user-journey tests, which
// click and type with real X input: where a control is on the screen, what a
// list holds, whether the tray icon is there. It never acts on a window.
//
//   journey_probe where TITLE TEXT    centre of the visible control TEXT in the window TITLE ("x y")
//   journey_probe rows TITLE N        number of rows of the N-th list view of window TITLE
//   journey_probe shownrows TITLE     number of rows of the list view shown in window TITLE
//   journey_probe visible TITLE       "1" when a visible top-level window TITLE exists, else "0"
//   journey_probe tray TITLE          "1" when window TITLE owns tray icon 0, else "0"
//   journey_probe nth TITLE CLASS N   centre of the N-th visible control of class CLASS in window TITLE
//   A TITLE ending in "*" matches every title that starts with the rest.
//   journey_probe children TITLE      class, centre and rectangle of each visible child of window TITLE
//   journey_probe link PATH           target, arguments and working folder of a shell link
//   journey_probe combo TITLE N       the N-th visible combo box: index of its selection, then its items, one a line
//   journey_probe dropped TITLE N TEXT  centre of the item TEXT in the open drop-down list of that combo box
//   journey_probe processes NAME      number of running processes whose program file is named NAME
//   journey_probe focus TITLE         "1 CLASS TEXT" when window TITLE is in front with the keyboard focus on a
//                                     visible, enabled control of it (or on itself), else "0 CLASS TEXT"
//   journey_probe text TITLE          the text of the control that has the keyboard focus in window TITLE
//   journey_probe answers TITLE       "1" when window TITLE answers a message within 3 s, else "0"
//   journey_probe menu                "1" when a popup menu is open, else "0"
//   A control is found by "where" and "nth" only while it and its window are visible and enabled.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/process_list_win.h"

namespace {

struct Search {
    const char* title;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    const std::size_t length = std::strlen(search->title);
    const bool prefix = length > 0 && search->title[length - 1] == '*';
    const bool matches = prefix ? std::strncmp(text, search->title, length - 1) == 0
                                : std::strcmp(text, search->title) == 0;
    if (!matches || (search->visibleOnly && !::IsWindowVisible(window))) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(const char* title, bool visibleOnly) {
    Search search{title, visibleOnly, nullptr};
    ::EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool ReallyVisible(HWND window) {
    for (HWND w = window; w; w = ::GetParent(w))
        if (!::IsWindowVisible(w)) return false;
    return true;
}

// What a user can click: shown, and neither it nor its window disabled.
bool Clickable(HWND control) {
    return ReallyVisible(control) && ::IsWindowEnabled(control) && ::IsWindowEnabled(::GetAncestor(control, GA_ROOT));
}

int Where(const char* title, const char* text) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    for (HWND child : Children(top)) {
        char caption[512] = {};
        ::GetWindowTextA(child, caption, sizeof caption);
        if (std::strcmp(caption, text) != 0 || !Clickable(child)) continue;
        RECT r{};
        ::GetWindowRect(child, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    return 3;
}

HWND NthVisible(const char* title, const char* className, int index) {
    HWND top = FindTopLevel(title, true);
    if (!top) return nullptr;
    int seen = 0;
    for (HWND child : Children(top)) {
        char cls[128] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (_stricmp(cls, className) == 0 && ReallyVisible(child) && seen++ == index) return child;
    }
    return nullptr;
}

int Nth(const char* title, const char* className, int index) {
    HWND child = NthVisible(title, className, index);
    if (!child || !Clickable(child)) return 3;
    RECT r{};
    ::GetWindowRect(child, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
}

int ListChildren(const char* title) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    for (HWND child : Children(top)) {
        if (!ReallyVisible(child)) continue;
        char cls[128] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        RECT r{};
        ::GetWindowRect(child, &r);
        std::printf("%s %ld %ld %ld %ld %ld %ld\n", cls, (r.left + r.right) / 2, (r.top + r.bottom) / 2, r.left, r.top,
                    r.right, r.bottom);
    }
    return 0;
}

// Asked from another process, Wine 8 answers the ANSI form of this message
// with UTF-16 text: the wide form is asked and converted here.
std::string ComboItem(HWND combo, int item) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, item, 0);
    if (length < 0 || length >= 512) return {};
    wchar_t wide[1024] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(wide));
    char text[1024] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

int Combo(const char* title, int index) {
    HWND combo = NthVisible(title, "ComboBox", index);
    if (!combo) return 3;
    std::printf("%ld\n", static_cast<long>(::SendMessageA(combo, CB_GETCURSEL, 0, 0)));
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int item = 0; item < count; ++item) std::printf("%s\n", ComboItem(combo, item).c_str());
    return 0;
}

struct ListSearch {
    DWORD thread;
    HWND found;
};

BOOL CALLBACK MatchDroppedList(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ListSearch*>(param);
    char cls[64] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (std::strcmp(cls, "ComboLBox") != 0 || !::IsWindowVisible(window) ||
        ::GetWindowThreadProcessId(window, nullptr) != search->thread)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Only an item that can be seen in the open list is reported: a user
// scrolls first. The list is found by its class and measured with messages
// that carry no pointers: from another process under Wine 8, GetComboBoxInfo
// with LB_GETITEMRECT found no visible item.
int Dropped(const char* title, int index, const char* text) {
    HWND combo = NthVisible(title, "ComboBox", index);
    if (!combo) return 3;
    if (!::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) return 4;
    ListSearch search{::GetWindowThreadProcessId(combo, nullptr), nullptr};
    ::EnumWindows(MatchDroppedList, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 4;
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    int item = 0;
    while (item < count && ComboItem(combo, item) != text) ++item;
    if (item == count) return 5;
    const LRESULT top = ::SendMessageA(search.found, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = ::SendMessageA(search.found, LB_GETITEMHEIGHT, item, 0);
    RECT client{};
    ::GetClientRect(search.found, &client);
    const POINT centre{client.right / 2, static_cast<LONG>((item - top) * height + height / 2)};
    if (height <= 0 || !::PtInRect(&client, centre)) return 6;
    POINT screen = centre;
    ::ClientToScreen(search.found, &screen);
    std::printf("%ld %ld\n", screen.x, screen.y);
    return 0;
}

int Processes(const char* name) {
    const std::vector<std::string> names = tolvane::RunningProcessNames();
    std::printf("%d\n", static_cast<int>(std::count(names.begin(), names.end(), name)));
    return 0;
}

// Keys sent now reach this window: it is in front and its thread's focus
// sits on something that can take them.
int Focus(const char* title) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(top, nullptr), &info)) return 3;
    HWND focus = info.hwndFocus;
    char cls[128] = "-", text[256] = {};
    if (focus) {
        ::GetClassNameA(focus, cls, sizeof cls);
        ::GetWindowTextA(focus, text, sizeof text);
    }
    const bool inside = focus && (focus == top || ::IsChild(top, focus));
    const bool ready = ::GetForegroundWindow() == top && info.hwndActive == top && inside && ReallyVisible(focus) &&
                       ::IsWindowEnabled(focus) && ::IsWindowEnabled(top);
    std::printf("%d %s %s\n", ready ? 1 : 0, cls, text);
    return 0;
}

// WM_GETTEXT in its wide form: the ANSI form of another process's edit
// answers nothing under Wine.
int FocusText(const char* title) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus) return 3;
    wchar_t wide[1024] = {};
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(info.hwndFocus, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, 3000,
                               &length))
        return 4;
    char text[2048] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    std::printf("%s\n", text);
    return 0;
}

int Answers(const char* title) {
    HWND top = FindTopLevel(title, false);
    if (!top) return 2;
    DWORD_PTR result = 0;
    const bool answered = ::SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 3000, &result) != 0;
    std::printf("%d\n", answered ? 1 : 0);
    return 0;
}

BOOL CALLBACK MatchMenu(HWND window, LPARAM param) {
    char cls[64] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (std::strcmp(cls, "#32768") != 0 || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
}

int Menu() {
    bool open = false;
    ::EnumWindows(MatchMenu, reinterpret_cast<LPARAM>(&open));
    std::printf("%d\n", open ? 1 : 0);
    return 0;
}

int Rows(const char* title, int index) {
    HWND top = FindTopLevel(title, false);
    if (!top) return 2;
    int seen = 0;
    for (HWND child : Children(top)) {
        char cls[64] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (std::strcmp(cls, WC_LISTVIEWA) != 0 || seen++ != index) continue;
        std::printf("%ld\n", static_cast<long>(::SendMessageA(child, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    return 3;
}

int ShownRows(const char* title) {
    HWND top = FindTopLevel(title, false);
    if (!top) return 2;
    for (HWND child : Children(top)) {
        char cls[64] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (std::strcmp(cls, WC_LISTVIEWA) != 0 || !ReallyVisible(child)) continue;
        std::printf("%ld\n", static_cast<long>(::SendMessageA(child, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    return 3;
}

int Tray(const char* title) {
    HWND top = FindTopLevel(title, false);
    if (!top) return 2;
    // Modifying an icon succeeds only while it exists; nothing is changed.
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = top;
    data.uID = 0;
    std::printf("%d\n", ::Shell_NotifyIconA(NIM_MODIFY, &data) ? 1 : 0);
    return 0;
}

int Link(const char* path) {
    ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    int status = 3;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH] = {};
            ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
            if (SUCCEEDED(file->Load(wide, STGM_READ))) {
                char target[MAX_PATH] = {}, args[MAX_PATH] = {}, folder[MAX_PATH] = {};
                link->GetPath(target, MAX_PATH, nullptr, 0);
                link->GetArguments(args, MAX_PATH);
                link->GetWorkingDirectory(folder, MAX_PATH);
                std::printf("%s\n%s\n%s\n", target, args, folder);
                status = 0;
            }
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "where" && argc == 4) return Where(argv[2], argv[3]);
    if (command == "rows" && argc == 4) return Rows(argv[2], std::atoi(argv[3]));
    if (command == "shownrows" && argc == 3) return ShownRows(argv[2]);
    if (command == "visible" && argc == 3) return std::printf("%d\n", FindTopLevel(argv[2], true) ? 1 : 0), 0;
    if (command == "nth" && argc == 5) return Nth(argv[2], argv[3], std::atoi(argv[4]));
    if (command == "children" && argc == 3) return ListChildren(argv[2]);
    if (command == "tray" && argc == 3) return Tray(argv[2]);
    if (command == "link" && argc == 3) return Link(argv[2]);
    if (command == "combo" && argc == 4) return Combo(argv[2], std::atoi(argv[3]));
    if (command == "dropped" && argc == 5) return Dropped(argv[2], std::atoi(argv[3]), argv[4]);
    if (command == "processes" && argc == 3) return Processes(argv[2]);
    if (command == "focus" && argc == 3) return Focus(argv[2]);
    if (command == "answers" && argc == 3) return Answers(argv[2]);
    if (command == "text" && argc == 3) return FocusText(argv[2]);
    if (command == "menu" && argc == 2) return Menu();
    std::fprintf(stderr, "usage: journey_probe where|rows|visible|nth|children|tray|link|combo|dropped|processes|"
                         "focus|text|answers|menu ...\n");
    return 1;
}
