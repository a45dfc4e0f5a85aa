// What every modal window of Tolvane shares: where it opens, its owner kept
// disabled while it is open, and how it goes away again.
#pragma once

#include <windows.h>

namespace tolvane {

// Top left of a window of that outer size centred over `area`, with a
// negative left or top set to 0.
POINT CentredOrigin(const RECT& area, int outerWidth, int outerHeight);
// The owner's rectangle, or the desktop's work area when the owner is hidden
// or minimised (a closed main window).
RECT CentringArea(HWND owner);
// The outer rectangle of a window with this client size (at 96 DPI, scaled)
// and style, centred over its owner.
RECT PlaceOverOwner(HWND owner, int clientWidth, int clientHeight, DWORD style, DWORD exStyle);

// The owner side of a modal window: disabled while the window is open,
// enabled again and given the foreground when it closes.
class ModalOwner {
public:
    ModalOwner() = default;
    ModalOwner(const ModalOwner&) = delete;
    ModalOwner& operator=(const ModalOwner&) = delete;
    ~ModalOwner() { release(); }

    // Disables the owner, unless it already is (then another window holds it).
    void hold(HWND owner);
    // Enables the owner again, destroys `window` (set to null) and brings the
    // owner forward.
    void close(HWND& window);

private:
    void release();

    HWND owner_ = nullptr;
    bool disabled_ = false;
};

}  // namespace tolvane
