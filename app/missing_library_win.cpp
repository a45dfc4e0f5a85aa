// The common controls are imported at their first call (see the top
// CMakeLists.txt). When that library cannot be loaded, or lacks a function,
// the delay-load helper calls this hook; without it, it raises an exception
// nothing handles and the program vanishes without a word. There is no way
// back into the call that needed the function: say why, and end.
#include <windows.h>
#include <delayimp.h>

#include <string>

#include "core/missing_library_text.h"
#include "core/wide_text_win.h"

namespace {

FARPROC WINAPI ReportMissingLibrary(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliFailLoadLib && notification != dliFailGetProc) return nullptr;
    std::string function;
    if (notification == dliFailGetProc)
        function = info->dlp.fImportByName ? std::string(info->dlp.szProcName)
                                           : "#" + std::to_string(info->dlp.dwOrdinal);
    const std::wstring text = tolvane::WideOfUtf8(tolvane::MissingLibraryMessage(info->szDll, function));
    ::MessageBoxW(nullptr, text.c_str(), L"Tolvane", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    ::ExitProcess(1);
}

}  // namespace

// Linked into the program as an object, so the helper finds this definition
// before the library's empty one.
PfnDliHook __pfnDliFailureHook2 = ReportMissingLibrary;
