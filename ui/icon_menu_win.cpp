#include "ui/icon_menu_win.h"

#include "ui/device_context_win.h"
#include "ui/dpi_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

void MakeIconMenuItem(IconMenuItems& items, HMENU menu, UINT command, HICON icon, HFONT font) {
    char text[256] = {};
    ::GetMenuStringA(menu, command, text, sizeof text, MF_BYCOMMAND);
    items.push_back({font, text, icon, command});
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&items.back());
    ::SetMenuItemInfoA(menu, command, FALSE, &info);
}

SIZE MeasureIconMenuItem(const IconMenuItem& item) {
    SIZE extent{};
    const WindowDc screen;
    if (!screen) return extent;
    const Selection font(screen.get(), item.font);
    ::GetTextExtentPoint32A(screen.get(), item.text.c_str(), static_cast<int>(item.text.size()), &extent);
    return {extent.cx + Scale(16), extent.cy + Scale(4)};
}

void DrawIconMenuItem(const IconMenuItem& item, HDC dc, const RECT& area, bool selected) {
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
    const int x0 = area.left + ::GetSystemMetrics(SM_CYMENUCHECK);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    // Opaque: the label fills the whole item's background in one go.
    ::ExtTextOutA(dc, x0 + Scale(10), area.top + Scale(2), ETO_OPAQUE, &area, parts.label.data(),
                  static_cast<UINT>(parts.label.size()), nullptr);
    if (!selected) ::SetTextColor(dc, kShortcutColour);
    ::SetTextAlign(dc, TA_RIGHT | TA_TOP);
    ::ExtTextOutA(dc, area.right - Scale(10), area.top + Scale(2), ETO_CLIPPED, &area, parts.shortcut.data(),
                  static_cast<UINT>(parts.shortcut.size()), nullptr);
    if (item.icon)
        ::DrawIconEx(dc, area.left + Scale(2), area.top + Scale(1), item.icon, Scale(16), Scale(16), 0, nullptr,
                     DI_NORMAL);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}

}  // namespace tolvane
