#include "ui/icon_menu_win.h"

#include <iterator>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "ui/device_context_win.h"
#include "ui/dpi_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

// The menu's own check mark: the glyph the system draws it with.
void DrawCheckMark(HDC dc, RECT box, COLORREF colour) {
    const UniqueFont marlett(::CreateFontW(-(box.bottom - box.top), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett"));
    const Selection font(dc, marlett.get());
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, L"a", 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldColour);
}

}  // namespace

void MakeIconMenuItem(IconMenuItems& items, HMENU menu, UINT command, HICON icon, HFONT font) {
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, command, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
    items.push_back({font, Utf8OfWide(text), icon, command});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&items.back());
    ::SetMenuItemInfoW(menu, command, FALSE, &info);
}

SIZE MeasureIconMenuItem(const IconMenuItem& item) {
    SIZE extent{};
    const WindowDc screen;
    if (!screen) return extent;
    const Selection font(screen.get(), item.font);
    const std::wstring text = WideOfUtf8(item.text);
    ::GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx + Scale(16), extent.cy + Scale(4)};
}

void DrawIconMenuItem(const IconMenuItem& item, HDC dc, const RECT& area, bool selected, bool checked) {
    const Selection font(dc, item.font);
    const COLORREF oldText = ::GetTextColor(dc);
    const COLORREF oldBack = ::GetBkColor(dc);
    if (selected) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
        ::SetBkColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
    } else {
        ::SetTextColor(dc, RGB(0, 0, 0));
    }
    const MenuItemParts parts = SplitMenuItemText(item.text);
    const std::wstring label = WideOfUtf8(parts.label), shortcut = WideOfUtf8(parts.shortcut);
    const int x0 = area.left + ::GetSystemMetrics(SM_CYMENUCHECK);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    // Opaque: the label fills the whole item's background in one go.
    ::ExtTextOutW(dc, x0 + Scale(10), area.top + Scale(2), ETO_OPAQUE, &area, label.data(),
                  static_cast<UINT>(label.size()), nullptr);
    if (!selected) ::SetTextColor(dc, kShortcutColour);
    ::SetTextAlign(dc, TA_RIGHT | TA_TOP);
    ::ExtTextOutW(dc, area.right - Scale(10), area.top + Scale(2), ETO_CLIPPED, &area, shortcut.data(),
                  static_cast<UINT>(shortcut.size()), nullptr);
    if (item.icon)
        ::DrawIconEx(dc, area.left + Scale(2), area.top + Scale(1), item.icon, Scale(16), Scale(16), 0, nullptr,
                     DI_NORMAL);
    else if (checked)
        DrawCheckMark(dc, {area.left + Scale(2), area.top + Scale(1), area.left + Scale(18), area.top + Scale(17)},
                      selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}

}  // namespace tolvane
