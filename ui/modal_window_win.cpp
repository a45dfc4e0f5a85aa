#include "ui/modal_window_win.h"

#include <algorithm>
#include <string>

#include "core/wide_text_win.h"
#include "ui/dpi_win.h"
#include "ui/guarded_procedure_win.h"
#include "ui/modal_loop_win.h"

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

bool ModalWindow::createWindow(HWND owner, const wchar_t* className, std::string_view title, int clientWidth,
                               int clientHeight, DWORD style, DWORD exStyle) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW type{};
    if (!::GetClassInfoW(instance, className, &type)) {
        type.lpfnWndProc = Procedure;
        type.hInstance = instance;
        type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.lpszClassName = className;
        ::RegisterClassW(&type);
    }
    const RECT place = PlaceOverOwner(owner, clientWidth, clientHeight, style, exStyle);
    window_ = ::CreateWindowExW(exStyle, className, WideOfUtf8(title).c_str(), style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, owner, nullptr, instance, this);
    if (!window_) return false;
    ended_ = false;
    owner_.hold(owner);
    return true;
}

void ModalWindow::runModal() {
    RunModalLoop(window_, [this] { return ended_; }, [this](MSG& message) { deliver(message); });
    close();
}

void ModalWindow::pump() {
    PumpWaitingMessages(window_, [this] { return ended_; }, [this](MSG& message) { deliver(message); });
}

void ModalWindow::deliver(MSG& message) {
    if (takeKey(message)) return;
    if (::IsDialogMessageW(window_, &message)) return;  // Tab and the dialog keys
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

bool ModalWindow::takeKey(MSG&) { return false; }

void ModalWindow::close() {
    ended_ = true;
    if (window_) closing();
    owner_.close(window_);
}

LRESULT ModalWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        end();
        return 0;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK ModalWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ModalWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ModalWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    return GuardedProcedure(window, message, wParam, lParam, [&] { return self->handle(message, wParam, lParam); });
}

}  // namespace tolvane
