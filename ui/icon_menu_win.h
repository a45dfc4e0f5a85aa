// Owner-drawn menu items: a 16 x 16 icon (or a check mark for a checked
// item without one), the label, and the shortcut text right-aligned in dark
// blue.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

namespace tolvane {

inline constexpr COLORREF kShortcutColour = RGB(0, 0, 160);

struct IconMenuItem {
    HFONT font = nullptr;
    std::string text;  // label, tab and shortcut as created, in UTF-8
    HICON icon = nullptr;
    UINT command = 0;
};

// Records live as long as the menus; a deque keeps their addresses, which
// the menu items carry.
using IconMenuItems = std::deque<IconMenuItem>;

// Turns the item with that command into an owner-drawn item referring to a
// new record.
void MakeIconMenuItem(IconMenuItems& items, HMENU menu, UINT command, HICON icon, HFONT font);

SIZE MeasureIconMenuItem(const IconMenuItem& item);
void DrawIconMenuItem(const IconMenuItem& item, HDC dc, const RECT& area, bool selected, bool checked = false);

}  // namespace tolvane
