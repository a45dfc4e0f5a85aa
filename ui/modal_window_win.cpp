#include "ui/modal_window_win.h"

#include <algorithm>

#include "ui/dpi_win.h"

namespace tolvane {

POINT CentredOrigin(const RECT& area, int outerWidth, int outerHeight) {
    const int left = area.left + ((area.right - area.left) - outerWidth) / 2;
    const int top = area.top + ((area.bottom - area.top) - outerHeight) / 2;
    return POINT{std::max(left, 0), std::max(top, 0)};
}

RECT CentringArea(HWND owner) {
    RECT area{};
    // A closed main window is minimised and hidden: centring over its icon
    // rectangle would put the window off screen, so the desktop is used.
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner) && ::GetWindowRect(owner, &area)) return area;
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) area = RECT{0, 0, 0, 0};
    return area;
}

RECT PlaceOverOwner(HWND owner, int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
    RECT outer{0, 0, Scale(clientWidth), Scale(clientHeight)};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const POINT origin = CentredOrigin(CentringArea(owner), width, height);
    return RECT{origin.x, origin.y, origin.x + width, origin.y + height};
}

void ModalOwner::hold(HWND owner) {
    release();
    owner_ = owner;
    if (owner_ && ::IsWindowEnabled(owner_)) {
        ::EnableWindow(owner_, FALSE);
        disabled_ = true;
    }
}

void ModalOwner::release() {
    if (disabled_) ::EnableWindow(owner_, TRUE);
    disabled_ = false;
}

void ModalOwner::close(HWND& window) {
    // The owner first: destroying the active window hands the activation to
    // an enabled window, which should be the owner.
    release();
    if (!window) return;
    HWND closing = window;
    window = nullptr;
    ::SetWindowLongPtrW(closing, GWLP_USERDATA, 0);
    ::DestroyWindow(closing);
    if (owner_) ::SetForegroundWindow(owner_);
}

}  // namespace tolvane
