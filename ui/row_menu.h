// Window-free rules of the rows' context menu and keys: which items a row
// offers, which key does what, which row a menu is for and where it opens.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/start_entry.h"

namespace tolvane {

enum class RowCommand { None, StartNow, CheckPreconditions, Edit, Remove };

// One item of a row's menu; None with an empty text is a separator.
struct RowMenuItem {
    RowCommand command;
    std::string_view text;
};

// Checking preconditions only makes sense where there are any: on
// system-start rows.
std::vector<RowMenuItem> RowMenuItems(ListKind kind);

// Virtual keys as Windows numbers them.
inline constexpr unsigned kKeyReturn = 0x0D;
inline constexpr unsigned kKeyDelete = 0x2E;
inline constexpr unsigned kKeyF10 = 0x79;
inline constexpr unsigned kKeyApps = 0x5D;  // the context-menu key

struct RowKeyState {
    unsigned key = 0;
    bool shift = false, control = false, alt = false;
    bool listHasFocus = false;
    bool windowEnabled = false;  // false while a wizard or a question is open
};
// Enter edits, Delete removes; with a modifier, away from the list or under
// an open wizard a key does nothing.
RowCommand CommandOfKey(const RowKeyState& state);

// The context-menu key and Shift+F10 open the row menu. The list handles
// both itself: the system's own handling differs between versions, and may
// open the menu bar as well once F10 is released.
bool OpensRowMenu(const RowKeyState& state);

// The row a context menu is for. By mouse: the row under the pointer, none
// on empty space. By keyboard: the selected row.
std::optional<int> ContextRow(bool byKeyboard, int rowUnderPointer, int selectedRow, int rowCount);

struct Box {
    int left, top, right, bottom;
};
struct Spot {
    int x, y;
    bool operator==(const Spot&) const = default;
};
// Where a menu opened by keyboard appears: just inside the row's left end,
// at its bottom, kept inside the list's client area.
Spot KeyboardMenuSpot(const Box& row, const Box& client);

}  // namespace tolvane
