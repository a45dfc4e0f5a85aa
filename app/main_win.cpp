#include <windows.h>

#include <cstdlib>

#include "app/run_win.h"

// The standard terminate handler prints the exception's demangled type to a
// console a window program does not have, and brings the demangler (60 KB)
// into the exe for it. Ending the process is all that is left to do anyway.
namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Nothing may escape into the system's start-up code.
    try {
        return tolvane::RunTolvane(instance, ::GetCommandLineA());
    } catch (...) {
        return 1;
    }
}
