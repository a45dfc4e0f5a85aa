// Looks at Tolvane's windows from outside for the user-journey tests, which
// click and type with real X input: where a control is on the screen, what a
// list holds, whether the tray icon is there. It never acts on a window.
//
//   journey_probe where TITLE TEXT    centre of the visible control TEXT in the window TITLE ("x y")
//   journey_probe rows TITLE N        number of rows of the N-th list view of window TITLE
//   journey_probe visible TITLE       "1" when a visible top-level window TITLE exists, else "0"
//   journey_probe tray TITLE          "1" when window TITLE owns tray icon 0, else "0"
//   journey_probe nth TITLE CLASS N   centre of the N-th visible control of class CLASS in window TITLE
//   A TITLE ending in "*" matches every title that starts with the rest.
//   journey_probe children TITLE      class, centre and rectangle of each visible child of window TITLE
//   journey_probe link PATH           target, arguments and working folder of a shell link
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

int Where(const char* title, const char* text) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    for (HWND child : Children(top)) {
        char caption[512] = {};
        ::GetWindowTextA(child, caption, sizeof caption);
        if (std::strcmp(caption, text) != 0 || !ReallyVisible(child)) continue;
        RECT r{};
        ::GetWindowRect(child, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    return 3;
}

int Nth(const char* title, const char* className, int index) {
    HWND top = FindTopLevel(title, true);
    if (!top) return 2;
    int seen = 0;
    for (HWND child : Children(top)) {
        char cls[128] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (_stricmp(cls, className) != 0 || !ReallyVisible(child) || seen++ != index) continue;
        RECT r{};
        ::GetWindowRect(child, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    return 3;
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
    if (command == "visible" && argc == 3) return std::printf("%d\n", FindTopLevel(argv[2], true) ? 1 : 0), 0;
    if (command == "nth" && argc == 5) return Nth(argv[2], argv[3], std::atoi(argv[4]));
    if (command == "children" && argc == 3) return ListChildren(argv[2]);
    if (command == "tray" && argc == 3) return Tray(argv[2]);
    if (command == "link" && argc == 3) return Link(argv[2]);
    std::fprintf(stderr, "usage: journey_probe where|rows|visible|tray|link ...\n");
    return 1;
}
