// The real program (or a copy of it) started as its own process by a test,
// waited on by conditions, and ended through its own quit command.
#pragma once

#include <windows.h>

#include <string>

#include "ui/main_window_win.h"
#include "wait_for_win.h"

namespace tolvane::test {

// The built program, as Wine sees a Linux path.
inline std::wstring BuiltProgramPath(const char* linuxPath) {
    std::wstring path(linuxPath, linuxPath + lstrlenA(linuxPath));
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

struct ProgramProcess {
    PROCESS_INFORMATION info{};
    bool start(const std::wstring& program, const std::wstring& arguments) {
        std::wstring line = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup{sizeof startup};
        return ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    }
    DWORD wait(DWORD ms) {
        if (::WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    ProgramProcess() = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ~ProgramProcess() {
        if (info.hProcess) {
            if (wait(0) == STILL_ACTIVE) ::TerminateProcess(info.hProcess, 99);
            ::CloseHandle(info.hProcess);
            ::CloseHandle(info.hThread);
        }
    }
};

// A visible message box of that process, or none.
inline HWND FindBox(DWORD process) {
    HWND found = nullptr;
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == process && ::IsWindowVisible(w)) found = w;
    }
    return found;
}

// A message box's text; asked in the W form, which Wine answers across processes.
inline std::wstring BoxText(HWND box) {
    wchar_t text[2048] = {};
    ::SendMessageW(::GetDlgItem(box, 0xFFFF), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return text;
}

inline HWND MainWindowOf(DWORD process) {
    for (HWND w = ::FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr); w;
         w = ::FindWindowExW(nullptr, w, kMainWindowClass, nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == process) return w;
    }
    return nullptr;
}

// Quit from the menu and confirm; true when the program then ended with 0.
inline bool QuitAfterConfirmation(ProgramProcess& program, HWND main) {
    ::PostMessageA(main, WM_COMMAND, kCommandQuit, 0);
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindBox(program.info.dwProcessId)) != nullptr; })) return false;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    return program.wait(10000) == 0;
}

}  // namespace tolvane::test
