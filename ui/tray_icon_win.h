// The icon in the notification area: what a start at logon shows, its popup
// menu, and the balloon by which a failure reaches a user who may not be
// looking at any of Tolvane's windows.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "core/unique_handle_win.h"

namespace tolvane {

inline constexpr UINT kTrayMessage = WM_APP + 1;

// The shell's tray call; tests put a recorder in its place.
using NotifyIconCall = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The icon of `owner`, which gets kTrayMessage for the mouse on it.
    void attach(HWND owner, HICON icon) {
        owner_ = owner;
        icon_ = icon;
    }
    void add();
    void remove();
    bool added() const { return added_; }
    // The notification area was recreated (the shell restarted): the icon
    // went with it and is added again. True when `message` told that.
    bool onTaskbarCreated(UINT message);

    void setMenu(UniqueMenu menu) { menu_ = std::move(menu); }
    HMENU menu() const { return menu_.get(); }
    // Opens the popup menu at the mouse; its command goes to the owner.
    void showMenu() const;

    // A balloon naming what went wrong (texts in UTF-8); false when there is
    // no icon or the shell refused it.
    bool showBalloon(const std::string& title, const std::string& text, bool warning = false);
    NotifyIconCall notifyBalloon = ::Shell_NotifyIconW;

private:
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    bool added_ = false;
    UINT taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    UniqueMenu menu_;
};

}  // namespace tolvane
