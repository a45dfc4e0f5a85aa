#include <windows.h>

#include "app/run_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Nothing may escape into the system's start-up code.
    try {
        return tolvane::RunTolvane(instance, ::GetCommandLineA());
    } catch (...) {
        return 1;
    }
}
