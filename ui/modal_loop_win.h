// The message loop of a window that runs modally over Tolvane's main window:
// wide messages, so a character typed outside the code page arrives as it
// is, and a quit request left for the main loop.
#pragma once

#include <windows.h>

namespace tolvane {

// Hands each message to `deliver` until `ended()` or the window is gone.
template <class Ended, class Deliver>
void RunModalLoop(HWND window, Ended ended, Deliver deliver) {
    MSG message{};
    while (!ended() && ::IsWindow(window)) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        deliver(message);
    }
}

// The same for the messages waiting now, without waiting for more.
template <class Ended, class Deliver>
void PumpWaitingMessages(HWND window, Ended ended, Deliver deliver) {
    MSG message{};
    while (!ended() && ::IsWindow(window) && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        deliver(message);
    }
}

}  // namespace tolvane
