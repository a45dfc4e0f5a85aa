// Shared by the two minimal programs the benchmarks measure Tolvane against.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace bench {

inline LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A hidden window with the application icon in the notification area.
inline HWND CreateTrayWindow(HINSTANCE instance, const char* className) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MinimalWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    if (!::RegisterClassA(&windowClass)) return nullptr;
    const HWND window = ::CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                          300, 200, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(data.szTip, className, sizeof data.szTip);
    if (!::Shell_NotifyIconA(NIM_ADD, &data)) return nullptr;
    return window;
}

inline int RunMessageLoop() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace bench
