// The controls every window is built of, at positions given for 96 DPI and
// scaled to the display's, in the standard dialog font; and finding and
// reading them by id.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// A child control in the standard dialog font (DialogFont()).
HWND AddControl(HWND parent, const wchar_t* windowClass, std::string_view text, DWORD style, int x, int y, int width,
                int height, int id);
inline HWND AddLabel(HWND parent, std::string_view text, int x, int y, int width, int height) {
    return AddControl(parent, L"STATIC", text, SS_LEFT, x, y, width, height, 0);
}
inline HWND AddButton(HWND parent, std::string_view text, int x, int y, int width, int height, int id) {
    return AddControl(parent, L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, x, y, width, height, id);
}
inline HWND AddDefaultButton(HWND parent, std::string_view text, int x, int y, int width, int height, int id) {
    return AddControl(parent, L"BUTTON", text, BS_DEFPUSHBUTTON | WS_TABSTOP, x, y, width, height, id);
}
inline HWND AddCheckBox(HWND parent, std::string_view text, int x, int y, int width, int height, int id) {
    return AddControl(parent, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, width, height, id);
}

// Puts the labels one below the other from the first one's top, each as
// tall as its text wrapped at its width.
void StackLabels(const std::vector<HWND>& labels);

// Control helpers by id inside a frame window (controls sit on panels).
HWND FindControl(HWND frame, int id);
// Appends a column to a report list view, its width designed for 96 DPI.
void AddListColumn(HWND list, int index, std::string_view title, int width);

std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view text);
bool IsChecked(HWND checkBox);
void EnableControl(HWND frame, int id, bool enabled);

}  // namespace tolvane
