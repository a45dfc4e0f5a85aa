#include "ui/row_menu.h"

#include <algorithm>

#include "core/texts.h"

namespace tolvane {

std::vector<RowMenuItem> RowMenuItems(ListKind kind) {
    std::vector<RowMenuItem> items{{RowCommand::StartNow, fixed_text::kStartNow}};
    if (kind == ListKind::SystemStart) items.push_back({RowCommand::CheckPreconditions, fixed_text::kCheckPreconditions});
    items.push_back({RowCommand::None, {}});
    items.push_back({RowCommand::Edit, GetText(Text::LinkEdit)});
    items.push_back({RowCommand::Remove, GetText(Text::LinkRemove)});
    return items;
}

RowCommand CommandOfKey(const RowKeyState& state) {
    if (!state.listHasFocus || !state.windowEnabled || state.shift || state.control || state.alt)
        return RowCommand::None;
    if (state.key == kKeyReturn) return RowCommand::Edit;
    if (state.key == kKeyDelete) return RowCommand::Remove;
    return RowCommand::None;
}

bool OpensRowMenu(const RowKeyState& state) {
    if (!state.listHasFocus || !state.windowEnabled || state.control || state.alt) return false;
    return (state.key == kKeyF10 && state.shift) || (state.key == kKeyApps && !state.shift);
}

std::optional<int> ContextRow(bool byKeyboard, int rowUnderPointer, int selectedRow, int rowCount) {
    const int row = byKeyboard ? selectedRow : rowUnderPointer;
    if (row < 0 || row >= rowCount) return std::nullopt;
    return row;
}

Spot KeyboardMenuSpot(const Box& row, const Box& client) {
    constexpr int kIndent = 16;  // clear of the row icon, as a pointer would be
    const int x = std::clamp(row.left + kIndent, client.left, std::max(client.left, client.right - 1));
    const int y = std::clamp(row.bottom, client.top, std::max(client.top, client.bottom - 1));
    return {x, y};
}

}  // namespace tolvane
