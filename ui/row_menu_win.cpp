#include "ui/row_menu_win.h"

#include <commctrl.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/guarded_procedure_win.h"

namespace tolvane {

namespace {

// Menu item ids are the commands' own numbers; 0 stays "nothing chosen".
UINT IdOf(RowCommand command) { return static_cast<UINT>(command); }

int IconSlotOf(RowCommand command) {
    switch (command) {
    case RowCommand::StartNow: return kImageStartNow;
    case RowCommand::CheckPreconditions: return kImageCheck;
    default: return -1;
    }
}

bool Down(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

LRESULT HandleListRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, RowInput* input) {
    if (message == WM_CONTEXTMENU && input->contextMenu) {
        // Opened by keyboard, the point is (-1, -1).
        const bool byKeyboard = lParam == -1;
        input->contextMenu(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                           byKeyboard);
        return 0;
    }
    const bool menuKey = (message == WM_SYSKEYDOWN && wParam == VK_F10) ||
                         ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_APPS);
    if ((message == WM_KEYDOWN || menuKey) && input->key && input->contextMenu) {
        RowKeyState state;
        state.key = static_cast<unsigned>(wParam);
        state.shift = Down(VK_SHIFT);
        state.control = Down(VK_CONTROL);
        state.alt = Down(VK_MENU);
        state.listHasFocus = ::GetFocus() == list;
        state.windowEnabled = ::IsWindowEnabled(::GetAncestor(list, GA_ROOT)) != FALSE;
        if (menuKey) {
            if (!OpensRowMenu(state)) return ::DefSubclassProc(list, message, wParam, lParam);
            // The context-menu key opens on its release, as the system's
            // handling would; its press is only swallowed.
            if (message != WM_KEYDOWN) input->contextMenu(POINT{-1, -1}, true);
            return 0;
        }
        const RowCommand command = CommandOfKey(state);
        if (command != RowCommand::None) {
            input->key(command);
            return 0;
        }
    }
    return ::DefSubclassProc(list, message, wParam, lParam);
}

LRESULT CALLBACK ListRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* input = reinterpret_cast<RowInput*>(data);
    return GuardedSubclass(list, message, wParam, lParam,
                           [&] { return HandleListRows(list, message, wParam, lParam, input); });
}

}  // namespace

void WatchRowInput(HWND list, RowInput* input) {
    if (list && input) ::SetWindowSubclass(list, ListRows, 2, reinterpret_cast<DWORD_PTR>(input));
}

UINT TrackRowMenu(HMENU menu, HWND owner, POINT at) {
    // Without this the menu stays open when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

void RowMenus::build(const ImageSet& images, IconMenuItems& items) {
    for (ListKind kind : {ListKind::SystemStart, ListKind::ProgramStart}) {
        HMENU popup = ::CreatePopupMenu();
        menus_[kind == ListKind::SystemStart ? 0 : 1].reset(popup);
        if (!popup) continue;
        for (const RowMenuItem& item : RowMenuItems(kind)) {
            if (item.command == RowCommand::None) {
                ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            ::AppendMenuW(popup, MF_STRING, IdOf(item.command), WideOfUtf8(item.text).c_str());
            MakeIconMenuItem(items, popup, IdOf(item.command), images.icon(IconSlotOf(item.command)),
                             images.menuFont());
        }
    }
}

RowCommand RowMenus::choose(ListKind kind, HWND owner, POINT at) const {
    HMENU popup = menu(kind);
    if (!popup || !track) return RowCommand::None;
    const UINT chosen = track(popup, owner, at);
    for (const RowMenuItem& item : RowMenuItems(kind))
        if (item.command != RowCommand::None && IdOf(item.command) == chosen) return item.command;
    return RowCommand::None;
}

}  // namespace tolvane
