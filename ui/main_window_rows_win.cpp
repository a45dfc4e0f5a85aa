// The main window's side of the rows' context menu and keys.
#include "ui/main_window_win.h"

namespace tolvane {

void MainWindow::watchRows(ListKind kind) {
    RowInput& input = views_[Index(kind)].input();
    input.contextMenu = [this, kind](POINT screen, bool byKeyboard) { openRowMenu(kind, screen, byKeyboard); };
    input.key = [this, kind](RowCommand command) {
        const int row = selectedRow(kind);
        if (row >= 0) runRowCommand(kind, command, static_cast<std::size_t>(row));
    };
}

void MainWindow::openRowMenu(ListKind kind, POINT screen, bool byKeyboard) {
    HWND view = list(kind);
    // A wizard or a question is open: its loop owns the program.
    if (!view || !::IsWindowEnabled(window())) return;
    int under = -1;
    if (!byKeyboard) {
        LVHITTESTINFO hit{};
        hit.pt = screen;
        ::ScreenToClient(view, &hit.pt);
        // Sub-item hit testing finds the row whichever column was clicked.
        under = static_cast<int>(::SendMessageW(view, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (!(hit.flags & LVHT_ONITEM)) under = -1;
    }
    const int count = static_cast<int>(::SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
    const std::optional<int> row = ContextRow(byKeyboard, under, selectedRow(kind), count);
    if (!row) return;
    if (selectedRow(kind) != *row) {
        // The menu acts on the row it was opened on, and shows which.
        views_[Index(kind)].select(*row);
    }
    POINT at = screen;
    if (byKeyboard) {
        ::SendMessageW(view, LVM_ENSUREVISIBLE, *row, FALSE);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        ::SendMessageW(view, LVM_GETITEMRECT, *row, reinterpret_cast<LPARAM>(&bounds));
        RECT client{};
        ::GetClientRect(view, &client);
        const Spot spot = KeyboardMenuSpot({bounds.left, bounds.top, bounds.right, bounds.bottom},
                                           {client.left, client.top, client.right, client.bottom});
        at = {spot.x, spot.y};
        ::ClientToScreen(view, &at);
    }
    const RowCommand command = rowMenus_.choose(kind, window(), at);
    runRowCommand(kind, command, static_cast<std::size_t>(*row));
}

void MainWindow::runRowCommand(ListKind kind, RowCommand command, std::size_t row) {
    if (row >= app_.model.list(kind).size()) return;
    switch (command) {
    case RowCommand::None:
        return;
    case RowCommand::StartNow:
        if (actions.startNow) actions.startNow(kind, row);
        return;
    case RowCommand::CheckPreconditions:
        if (kind == ListKind::SystemStart && actions.checkPreconditions) actions.checkPreconditions(row);
        return;
    case RowCommand::Edit: {
        auto& edit = kind == ListKind::SystemStart ? actions.editSystemStart : actions.editProgramStart;
        if (edit) edit(row);
        updateLinks(kind);
        return;
    }
    case RowCommand::Remove:
        // The row is the selected one: the menu selected it, keys act on it.
        removeSelected(kind);
        return;
    }
}

}  // namespace tolvane
