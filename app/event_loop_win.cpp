#include "app/event_loop_win.h"

namespace tolvane {

bool HandleNextMessage(DWORD maxWaitMs, const std::function<bool(MSG&)>& intercept) {
    MSG msg;
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // MWMO_INPUTAVAILABLE: input already seen by an earlier peek still ends the wait.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, maxWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
    }
    if (msg.message == WM_QUIT) return false;
    if (intercept && intercept(msg)) return true;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return true;
}

}  // namespace tolvane
