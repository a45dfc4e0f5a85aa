#include "ui/entry_list_view_win.h"

#include <algorithm>

#include "core/wide_text_win.h"
#include "ui/control_kit_win.h"
#include "ui/dpi_win.h"
#include "ui/file_icons_win.h"
#include "ui/row_find.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

constexpr int kColumnWidths[kEntryFieldCount] = {100, 155, 70, 26, 130};

int NextRow(HWND view, UINT which) {
    return static_cast<int>(::SendMessageW(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
}

}  // namespace

bool EntryListView::create(HWND parent, int id, const RECT& place, bool visible,
                           const std::string (&titles)[kEntryFieldCount]) {
    view_ = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        // Owner data: the list holds only a row count and asks the model
        // for what it draws, so any number of entries costs the same.
        WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA |
            (visible ? WS_VISIBLE : 0),
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (!view_) return false;
    WatchRowInput(view_, &input_);
    ::SendMessageW(view_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const int iconSize = Scale(16);
    ::SendMessageW(view_, LVM_SETIMAGELIST, LVSIL_SMALL,
                   reinterpret_cast<LPARAM>(::ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 8, 8)));
    for (int column = 0; column < kEntryFieldCount; ++column)
        AddListColumn(view_, column, titles[column], kColumnWidths[column]);
    return true;
}

void EntryListView::rowsChanged() {
    if (!view_) return;
    const int count = static_cast<int>(rows_.size());
    const int oldCount = static_cast<int>(::SendMessageW(view_, LVM_GETITEMCOUNT, 0, 0));
    if (count != oldCount) {
        // Only the selected and the focused row are cleared: clearing "all
        // rows" would visit every one of them.
        LVITEMW clear{};
        clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        for (UINT which : {LVNI_SELECTED, LVNI_FOCUSED}) {
            const int row = NextRow(view_, which);
            if (row >= 0) ::SendMessageW(view_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&clear));
        }
        ::SendMessageW(view_, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
        if (::GetFocus() == view_) keepFocusedRow();
    }
    // Which row changed is not known here; the rows on screen are all a
    // redraw asks for, whatever the list holds.
    ::InvalidateRect(view_, nullptr, FALSE);
}

int EntryListView::selectedRow() const { return view_ ? NextRow(view_, LVNI_SELECTED) : -1; }

void EntryListView::select(int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(view_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

void EntryListView::keepFocusedRow() {
    const int focused = NextRow(view_, LVNI_FOCUSED), selected = NextRow(view_, LVNI_SELECTED);
    // Without a selection the top row on screen: focusing one out of view
    // would scroll the list away from where the user was.
    const int row = selected >= 0 ? selected : static_cast<int>(::SendMessageW(view_, LVM_GETTOPINDEX, 0, 0));
    if (focused == row || (selected < 0 && focused >= 0)) return;
    if (row >= static_cast<int>(::SendMessageW(view_, LVM_GETITEMCOUNT, 0, 0))) return;
    LVITEMW state{};
    state.stateMask = LVIS_FOCUSED;
    state.state = LVIS_FOCUSED;
    ::SendMessageW(view_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

bool EntryListView::onNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        fillDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item);
        result = 0;
        return true;
    case LVN_ODFINDITEMW: {
        // Typing the first letters of a name selects its row.
        const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
        result = findRow(find.lvfi.flags, find.lvfi.psz, find.iStart);
        return true;
    }
    }
    return false;
}

void EntryListView::fillDisplayInfo(LVITEMW& item) {
    if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.size()) return;
    const EntryRow& row = rows_[static_cast<std::size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0 && item.iSubItem >= 0 &&
        item.iSubItem < kEntryFieldCount) {
        const std::wstring text = WideOfUtf8(EntryField(row.entry, item.iSubItem));
        // Cut to the list's buffer, never between the halves of a surrogate pair.
        std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
        text.copy(item.pszText, length);
        item.pszText[length] = L'\0';
    }
    if (item.mask & LVIF_IMAGE) item.iImage = rowImage(row.entry.path);
}

int EntryListView::rowImage(const std::string& targetPath) {
    // Icons are read when a row is first drawn and kept by what they show,
    // so an edit or a removal keeps every other row's icon.
    const std::string key = RowIconKey(targetPath);
    if (const auto held = icons_.find(key)) return *held;
    auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(view_, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (!images) return -1;
    HICON icon = IconForRow(targetPath);
    if (!icon) return -1;
    const int slot = icons_.claim(key);
    const int stored = slot < ::ImageList_GetImageCount(images) ? ::ImageList_ReplaceIcon(images, slot, icon)
                                                                : ::ImageList_AddIcon(images, icon);
    ::DestroyIcon(icon);
    if (stored == slot) return slot;
    icons_.forget(key);
    return -1;
}

int EntryListView::findRow(UINT flags, const wchar_t* text, int start) const {
    // Rows are found by their name, the text of the first column.
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || !text) return -1;
    const std::string name = Utf8OfWide(text);
    return FindRow(rows_, {name, (flags & LVFI_PARTIAL) != 0, (flags & LVFI_WRAP) != 0, start});
}

}  // namespace tolvane
