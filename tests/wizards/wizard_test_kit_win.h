// What the in-process tests of the entry windows share: clicking and typing
// by messages the way the user's input arrives, and scratch files.
#pragma once

#include <windows.h>

#include <string>

#include "core/wide_text_win.h"
#include "tests/win/window_reading_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/wizard_frame_win.h"

namespace tolvane {

using testing::TempPath;

// Creates (or empties) a file in the temporary folder and gives its path; empty on failure.
inline std::string MakeEmptyTempFile(const char* name) {
    const std::string path = TempPath(name);
    HANDLE file = ::CreateFileW(WideOfUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    ::CloseHandle(file);
    return path;
}

// Choosers that are cancelled and warnings nobody reads.
inline ConditionDialogs NoDialogs() {
    ConditionDialogs dialogs;
    dialogs.chooseFile = [](HWND) { return std::string(); };
    dialogs.chooseFolder = [](HWND) { return std::string(); };
    dialogs.warn = [](HWND, const std::string&) {};
    return dialogs;
}

inline void Click(HWND frame, int id) { ::SendMessageA(FindControl(frame, id), BM_CLICK, 0, 0); }
inline bool Enabled(HWND frame, int id) { return ::IsWindowEnabled(FindControl(frame, id)) != FALSE; }
inline std::string FieldText(HWND frame, int id) { return ControlText(FindControl(frame, id)); }

// Types UTF-8 text into an edit field, then EN_CHANGE.
inline void Type(HWND frame, int id, const std::string& text) {
    HWND field = FindControl(frame, id);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideOfUtf8(text).c_str()));
    ::SendMessageA(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

// A key as the keyboard delivers it: to the control with the focus (the
// window itself when none has it), then through the window's own loop.
inline void PressKey(WizardFrame& frame, UINT key) {
    HWND target = ::GetFocus() ? ::GetFocus() : frame.window();
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    frame.pump();
}
inline void TypeKeys(WizardFrame& frame, const std::string& text) {
    for (const char c : text) {
        HWND target = ::GetFocus() ? ::GetFocus() : frame.window();
        ::PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
        frame.pump();
    }
}
inline int FocusedId() { return ::GetDlgCtrlID(::GetFocus()); }

}  // namespace tolvane
