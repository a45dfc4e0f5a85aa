#include "ui/message_box_win.h"

#include <vector>

#include "core/wide_text_win.h"

namespace tolvane {

namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
    try {
        if (::IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE;  // nothing may unwind through the system's enumeration
    }
}

HWND OwnForegroundWindow() {
    HWND foreground = ::GetForegroundWindow();
    DWORD process = 0;
    if (foreground) ::GetWindowThreadProcessId(foreground, &process);
    return process == ::GetCurrentProcessId() ? foreground : nullptr;
}

}  // namespace

int ProgramMessageBox(const std::string& utf8Text, const std::string& utf8Title, UINT flags,
                      const wchar_t* iconResource) {
    const std::wstring text = WideOfUtf8(utf8Text), title = WideOfUtf8(utf8Title);
    HWND owner = OwnForegroundWindow();
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) ::EnableWindow(window, FALSE);
    int answer;
    if (iconResource) {
        // A program icon in the box needs MessageBoxIndirect with a resource id.
        MSGBOXPARAMSW params{};
        params.cbSize = sizeof params;
        params.hwndOwner = owner;
        params.hInstance = ::GetModuleHandleW(nullptr);
        params.lpszText = text.c_str();
        params.lpszCaption = title.c_str();
        params.dwStyle = flags | MB_USERICON;
        params.lpszIcon = iconResource;  // a MAKEINTRESOURCE id
        answer = ::MessageBoxIndirectW(&params);
    } else {
        answer = ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
    }
    for (HWND window : disabled)
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    if (owner && ::IsWindow(owner)) ::SetForegroundWindow(owner);
    return answer;
}

}  // namespace tolvane
