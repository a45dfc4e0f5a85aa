// Action link: a one-line text label that behaves like a button. Reports a
// click to its parent as WM_COMMAND (id, BN_CLICKED) on left button-up.
#pragma once

#include <windows.h>

#include <string_view>

namespace tolvane {

inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);
inline constexpr COLORREF kLinkHoverColour = RGB(0, 0, 128);

HWND CreateLink(HWND parent, int id, std::string_view text, int x, int y, int width, int height, bool enabled);
// True while the mouse is over the link (it holds the capture then).
bool LinkIsHovered(HWND link);

}  // namespace tolvane
