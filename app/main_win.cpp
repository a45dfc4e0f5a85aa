#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/run_win.h"
#include "core/library_search_win.h"
#include "core/wide_text_win.h"

// The standard terminate handler prints the exception's demangled type to a
// console a window program does not have, and brings the demangler (60 KB)
// into the exe for it. Ending the process is all that is left to do anyway.
namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tolvane::LoadLibrariesOnlyFromTheSystemFolder();
    // Nothing may escape into the system's start-up code.
    try {
        // Read wide: the code-page form maps look-alikes such as "-ĥ" to "-h".
        const std::string commandLine = tolvane::Utf8OfWide(::GetCommandLineW());
        return tolvane::RunTolvane(instance, commandLine.c_str());
    } catch (...) {
        return 1;
    }
}
