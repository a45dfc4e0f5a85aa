// The context menus of the rows and the keys of the two lists: the menus
// are built once, the lists tell a right click, the context-menu key,
// Shift+F10, Enter and Delete through RowInput.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "core/start_entry.h"
#include "core/unique_handle_win.h"
#include "ui/icon_menu_win.h"
#include "ui/image_set_win.h"
#include "ui/row_menu.h"

namespace tolvane {

// What a list tells its window. Both run on the list's own messages; a
// throwing handler is stopped at the list.
struct RowInput {
    // A screen point, or byKeyboard when the key or Shift+F10 asked.
    std::function<void(POINT screen, bool byKeyboard)> contextMenu;
    std::function<void(RowCommand command)> key;
};

// Subclasses the list; `input` must outlive it.
void WatchRowInput(HWND list, RowInput* input);

// Shows a menu at a screen point for `owner` and returns the chosen item's
// id, 0 when none was chosen.
UINT TrackRowMenu(HMENU menu, HWND owner, POINT at);

class RowMenus {
public:
    // The items are icon menu items; their records live in `items`.
    void build(const ImageSet& images, IconMenuItems& items);
    HMENU menu(ListKind kind) const { return menus_[kind == ListKind::SystemStart ? 0 : 1].get(); }
    // Opens the menu of that kind and returns what was chosen.
    RowCommand choose(ListKind kind, HWND owner, POINT at) const;

    // Replaced by tests, which read the menu and choose without a user.
    std::function<UINT(HMENU menu, HWND owner, POINT at)> track = TrackRowMenu;

private:
    std::array<UniqueMenu, 2> menus_;
};

}  // namespace tolvane
