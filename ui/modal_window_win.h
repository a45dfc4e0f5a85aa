// What every modal window of Tolvane shares: where it opens, its owner kept
// disabled while it is open, its own message loop, and how it goes away
// again. A window is then its fields and its rules (ModalWindow below).
#pragma once

#include <windows.h>

#include <string_view>

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

// The base of the wizard frame, the edit dialogs, the small dialogs and the
// check view. It runs the window's loop and closes it; the window answers
// its messages in `handle` and may take keys first in `takeKey`.
class ModalWindow {
public:
    ModalWindow() = default;
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;
    virtual ~ModalWindow() { close(); }

    // Runs the modal loop until end() or the close box, then closes.
    void runModal();
    // Handles the messages waiting now as the loop does, without waiting.
    void pump();
    // Asks the loop to stop; the window itself goes in close().
    void end() { ended_ = true; }
    bool ended() const { return ended_; }
    // Re-enables the owner, then destroys the window.
    void close();
    HWND window() const { return window_; }

protected:
    // Makes the window hidden over `owner` (which it disables), with this
    // client size at 96 DPI, scaled; the class is registered wide at first use.
    bool createWindow(HWND owner, const wchar_t* className, std::string_view title, int clientWidth,
                      int clientHeight, DWORD style, DWORD exStyle);
    // The window's messages; the close box ends the loop.
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // A message of the loop before the dialog manager sees it; true when taken.
    virtual bool takeKey(MSG& message);
    // The window is about to go: its controls' handles are forgotten.
    virtual void closing() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void deliver(MSG& message);

    HWND window_ = nullptr;
    ModalOwner owner_;
    bool ended_ = false;
};

}  // namespace tolvane
