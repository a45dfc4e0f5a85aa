#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND window = ::CreateWindowExA(0, "STATIC", "prime", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                    nullptr, nullptr);
    if (window) ::DestroyWindow(window);
    return 0;
}
