// What the in-process tests of the entry windows share: clicking and typing
// by messages the way the user's input arrives, and scratch files.
#pragma once

#include <windows.h>

#include <string>

#include "wizards/wizard_frame_win.h"

namespace tolvane {

inline std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// Creates (or empties) a file in the temporary folder and gives its path; empty on failure.
inline std::string MakeEmptyTempFile(const char* name) {
    const std::string path = TempPath(name);
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    ::CloseHandle(file);
    return path;
}

inline void Click(HWND frame, int id) { ::SendMessageA(FindControl(frame, id), BM_CLICK, 0, 0); }
inline bool Enabled(HWND frame, int id) { return ::IsWindowEnabled(FindControl(frame, id)) != FALSE; }
inline std::string FieldText(HWND frame, int id) { return ControlText(FindControl(frame, id)); }

// Types into an edit field: text, then EN_CHANGE.
inline void Type(HWND frame, int id, const std::string& text) {
    HWND field = FindControl(frame, id);
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

}  // namespace tolvane
