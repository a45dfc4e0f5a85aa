#include "ui/tray_icon_win.h"

#include <algorithm>
#include <iterator>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/balloon_text.h"

namespace tolvane {

namespace {

NOTIFYICONDATAW IconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = owner;
    data.uID = 0;
    return data;
}

template <std::size_t N>
void CopyCut(wchar_t (&field)[N], const std::string& utf8, std::size_t units) {
    const std::wstring wide = WideOfUtf8(CutForBalloon(utf8, std::min(units, N - 1)));
    const std::size_t length = std::min(wide.size(), N - 1);
    wide.copy(field, length);
    field[length] = L'\0';
}

}  // namespace

void TrayIcon::add() {
    if (!owner_ || !icon_) return;
    NOTIFYICONDATAW data = IconData(owner_);
    data.uFlags = NIF_ICON | NIF_MESSAGE;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon_;
    added_ = ::Shell_NotifyIconW(NIM_ADD, &data);
    if (!added_) return;
    data.uFlags = NIF_TIP;
    const std::wstring tip = WideOfUtf8(fixed_text::kAppName).substr(0, std::size(data.szTip) - 1);
    tip.copy(data.szTip, tip.size());
    data.szTip[tip.size()] = L'\0';
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::remove() {
    if (!added_) return;
    NOTIFYICONDATAW data = IconData(owner_);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

bool TrayIcon::onTaskbarCreated(UINT message) {
    if (message != taskbarCreated_ || message == 0) return false;
    added_ = false;
    add();
    return true;
}

void TrayIcon::showMenu() const {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    // Without this the menu stays open when the user clicks elsewhere.
    ::SetForegroundWindow(owner_);
    ::TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, pointer.x - 1,
                     pointer.y - 1, 0, owner_, nullptr);
    ::PostMessageW(owner_, WM_NULL, 0, 0);
}

bool TrayIcon::showBalloon(const std::string& title, const std::string& text, bool warning) {
    // At logon the notification area may have come up only after us.
    if (!added_) add();
    if (!added_ || !notifyBalloon) return false;
    NOTIFYICONDATAW data = IconData(owner_);
    data.uFlags = NIF_INFO;
    CopyCut(data.szInfoTitle, title, kBalloonTitleUnits);
    CopyCut(data.szInfo, text, kBalloonTextUnits);
    data.dwInfoFlags = warning ? NIIF_WARNING : NIIF_ERROR;
    data.uTimeout = 10000;  // older systems only; newer ones decide themselves
    return notifyBalloon(NIM_MODIFY, &data) != FALSE;
}

}  // namespace tolvane
