#include "ui/control_kit_win.h"

#include <commctrl.h>

#include "core/wide_text_win.h"
#include "ui/device_context_win.h"
#include "ui/dpi_win.h"

namespace tolvane {

HWND AddControl(HWND parent, const wchar_t* windowClass, std::string_view text, DWORD style, int x, int y, int width,
                int height, int id) {
    const std::wstring caption = WideOfUtf8(text);
    const RECT place = ScaleRect(x, y, width, height);
    HWND control = ::CreateWindowExW(0, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                     place.top, place.right - place.left, place.bottom - place.top, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                     nullptr);
    if (control) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return control;
}

void StackLabels(const std::vector<HWND>& labels) {
    // Measured, not designed: how many lines a text takes depends on the
    // display's font, which does not grow exactly with the scale.
    int top = -1;
    for (HWND label : labels) {
        if (!label) continue;
        RECT place{};
        ::GetWindowRect(label, &place);
        ::MapWindowPoints(nullptr, ::GetParent(label), reinterpret_cast<POINT*>(&place), 2);
        if (top < 0) top = place.top;
        const int length = ::GetWindowTextLengthW(label);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(label, text.data(), length + 1)));
        const WindowDc dc(label);
        const Selection font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(label, WM_GETFONT, 0, 0)));
        RECT need{0, 0, place.right - place.left, 0};
        ::DrawTextW(dc.get(), text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        ::MoveWindow(label, place.left, top, place.right - place.left, need.bottom, FALSE);
        top += need.bottom;
    }
}

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

HWND FindControl(HWND frame, int id) {
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(frame, &MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void AddListColumn(HWND list, int index, std::string_view title, int width) {
    std::wstring text = WideOfUtf8(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = Scale(width);
    column.iSubItem = index;
    ::SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

std::string ControlText(HWND control) {
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
    return Utf8OfWide(text);
}

void SetControlText(HWND control, std::string_view text) { ::SetWindowTextW(control, WideOfUtf8(text).c_str()); }

bool IsChecked(HWND checkBox) { return ::SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void EnableControl(HWND frame, int id, bool enabled) {
    ::EnableWindow(FindControl(frame, id), enabled ? TRUE : FALSE);
}

}  // namespace tolvane
