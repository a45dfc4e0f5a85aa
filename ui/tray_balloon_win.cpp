// The balloon at the tray icon: how a failure reaches a user who may not be
// looking at any of Tolvane's windows.
#include "ui/main_window_win.h"

#include <algorithm>

#include "core/wide_text_win.h"
#include "ui/balloon_text.h"

namespace tolvane {

namespace {

template <std::size_t N>
void CopyCut(wchar_t (&field)[N], const std::string& utf8, std::size_t units) {
    const std::wstring wide = WideOfUtf8(CutForBalloon(utf8, std::min(units, N - 1)));
    const std::size_t length = std::min(wide.size(), N - 1);
    wide.copy(field, length);
    field[length] = L'\0';
}

}  // namespace

bool MainWindow::showBalloon(const std::string& title, const std::string& text, bool warning) {
    // At logon the notification area may have come up only after us.
    if (!trayAdded_) addTrayIcon();
    if (!trayAdded_ || !notifyBalloon) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window();
    data.uID = 0;
    data.uFlags = NIF_INFO;
    CopyCut(data.szInfoTitle, title, kBalloonTitleUnits);
    CopyCut(data.szInfo, text, kBalloonTextUnits);
    data.dwInfoFlags = warning ? NIIF_WARNING : NIIF_ERROR;
    data.uTimeout = 10000;  // older systems only; newer ones decide themselves
    return notifyBalloon(NIM_MODIFY, &data) != FALSE;
}

}  // namespace tolvane
