#include "ui/link_control_win.h"

#include <iterator>
#include <string>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "ui/device_context_win.h"
#include "ui/dpi_win.h"
#include "ui/guarded_procedure_win.h"

namespace tolvane {

namespace {

constexpr wchar_t kClassName[] = L"TolvaneLink";
constexpr const wchar_t* kHoverProperty = L"TolvaneLinkHover";

bool Hovered(HWND link) { return ::GetPropW(link, kHoverProperty) != nullptr; }

// Links are transparent: every change of look has the parent repaint the
// background under them first, or the old drawing shows through.
void RepaintUnder(HWND link) {
    RECT area{};
    ::GetWindowRect(link, &area);
    HWND parent = ::GetParent(link);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SetHovered(HWND link, bool hovered) {
    if (hovered == Hovered(link)) return;
    if (hovered)
        ::SetPropW(link, kHoverProperty, reinterpret_cast<HANDLE>(1));
    else
        ::RemovePropW(link, kHoverProperty);
    RepaintUnder(link);
}

void Paint(HWND link) {
    const PaintDc painting(link);
    HDC dc = painting.get();
    wchar_t text[256] = {};
    const int length = ::GetWindowTextW(link, text, static_cast<int>(std::size(text)));
    const Selection font(dc, DialogFont());
    ::SetBkMode(dc, TRANSPARENT);
    if (::IsWindowEnabled(link)) {
        const COLORREF colour = Hovered(link) ? kLinkHoverColour : kLinkColour;
        ::SetTextColor(dc, colour);
        ::TextOutW(dc, 0, 0, text, length);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text, length, &extent);
        const UniquePen pen(::CreatePen(PS_SOLID, 1, colour));
        const Selection drawing(dc, pen.get());
        ::MoveToEx(dc, 0, extent.cy, nullptr);
        ::LineTo(dc, extent.cx, extent.cy);
    } else {
        ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), length, 0, 0, 0, 0,
                     DST_TEXT | DSS_DISABLED);
    }
}

LRESULT HandleLink(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(link);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE: {
        RECT client{};
        ::GetClientRect(link, &client);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool inside = ::PtInRect(&client, at);
        if (inside && ::GetCapture() != link) ::SetCapture(link);
        if (!inside && ::GetCapture() == link) ::ReleaseCapture();
        SetHovered(link, inside);
        return 0;
    }
    case WM_CAPTURECHANGED:
        SetHovered(link, false);
        return 0;
    case WM_SETCURSOR: {
        HCURSOR hand = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
        ::SetCursor(hand ? hand : ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        return TRUE;
    }
    case WM_LBUTTONUP:
        if (::IsWindowEnabled(link))
            ::SendMessageW(::GetParent(link), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link), BN_CLICKED),
                           reinterpret_cast<LPARAM>(link));
        return 0;
    case WM_ENABLE:
        if (!wParam && ::GetCapture() == link) ::ReleaseCapture();
        RepaintUnder(link);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = ::DefWindowProcW(link, message, wParam, lParam);
        RepaintUnder(link);
        return result;
    }
    case WM_DESTROY:
        ::RemovePropW(link, kHoverProperty);
        break;
    }
    return ::DefWindowProcW(link, message, wParam, lParam);
}

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(link, message, wParam, lParam, [&] { return HandleLink(link, message, wParam, lParam); });
}

void RegisterLinkClass() {
    WNDCLASSW type{};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), kClassName, &type)) return;
    type.lpfnWndProc = LinkProc;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.lpszClassName = kClassName;
    ::RegisterClassW(&type);
}

}  // namespace

HWND CreateLink(HWND parent, int id, std::string_view text, int x, int y, int width, int height, bool enabled) {
    RegisterLinkClass();
    HWND link = ::CreateWindowExW(WS_EX_TRANSPARENT, kClassName, WideOfUtf8(text).c_str(), WS_CHILD | WS_VISIBLE | (enabled ? 0 : WS_DISABLED),
                                  x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    return link;
}

bool LinkIsHovered(HWND link) { return Hovered(link); }

}  // namespace tolvane
