// Shows the main window with a few sample entries for the screenshot script.
// Arguments: <rect file> [tab1|menu|tray]; writes the window rectangle as
// "x y w h" once it is laid out.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/app_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"

using namespace tolvane;

namespace {

MainWindow* g_window = nullptr;
std::string g_mode;

void CALLBACK OpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    HWND main = g_window->window();
    if (g_mode == "menu") {
        ::PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
        ::PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0);
    } else if (g_mode == "tray") {
        RECT r{};
        ::GetWindowRect(main, &r);
        ::SetForegroundWindow(main);
        ::TrackPopupMenu(g_window->tray().menu(), TPM_LEFTALIGN | TPM_TOPALIGN, r.left + 60, r.top + 90, 0, main,
                         nullptr);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const std::string rectFile = __argc > 1 ? __argv[1] : "rect.txt";
    g_mode = __argc > 2 ? __argv[2] : "";
    App app;
    app.model.systemStart.append({"Editor", "Wartezeit von ...{30};", "", "", "C:\\windows\\notepad.exe"});
    app.model.systemStart.append({"Notizen", "", "", "X", "C:\\users\\Public\\notizen.txt"});
    app.model.systemStart.append({"Sicherung", "", "/q", "", "C:\\Tools\\sicherung.bat"});
    app.model.programStart.append({"Rechner", "winmine.exe", "", "", "C:\\windows\\system32\\calc.exe"});
    app.model.programStart.append({"Protokoll", "notepad.exe", "", "X", "C:\\logs\\start.log"});
    const ImageSet images = ImageSet::Load(instance);
    MainWindow window(app, images, false);
    g_window = &window;
    window.entriesChanged(ListKind::SystemStart);
    window.entriesChanged(ListKind::ProgramStart);
    if (g_mode == "tab1") {
        ::SendMessageA(window.tabs(), TCM_SETCURSEL, 1, 0);
        NMHDR change{window.tabs(), static_cast<UINT_PTR>(kIdTabs), static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(window.window(), WM_NOTIFY, kIdTabs, reinterpret_cast<LPARAM>(&change));
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(window.list(ListKind::ProgramStart), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    }
    RECT r{};
    ::GetWindowRect(window.window(), &r);
    if (FILE* out = std::fopen(rectFile.c_str(), "w")) {
        std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        std::fclose(out);
    }
    if (!g_mode.empty()) ::SetTimer(nullptr, 0, 300, OpenMenu);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
