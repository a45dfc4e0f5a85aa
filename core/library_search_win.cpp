#include "core/library_search_win.h"

#include <windows.h>

namespace tolvane {

void LoadLibrariesOnlyFromTheSystemFolder() {
    // Looked up, not imported: Windows 7 has it only with its 2011 loader
    // update, and without it an import would keep the program from starting.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    const auto setDirectories = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDirectories && setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without it, at least the current folder is no longer searched.
    ::SetDllDirectoryW(L"");
}

}  // namespace tolvane
