// One entry list of the main window: an owner-data list view that holds
// only a row count and asks the model's list for what it draws, with the
// rows' icons, finding a row by its first letters, the selection and the
// rows' keys and context menu requests.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "core/start_entry.h"
#include "ui/icon_slots.h"
#include "ui/row_menu_win.h"

namespace tolvane {

// Row icons kept per list: far more than a screen of rows, few enough that
// scrolling through thousands of programs keeps memory flat.
inline constexpr std::size_t kRowIconSlots = 256;

class EntryListView {
public:
    explicit EntryListView(const EntryList& rows) : rows_(rows) {}
    EntryListView(const EntryListView&) = delete;
    EntryListView& operator=(const EntryListView&) = delete;

    // The list as a child of `parent`, with the five
    // columns titled as given (UTF-8) at their design widths.
    bool create(HWND parent, int id, const RECT& place, bool visible, const std::string (&titles)[kEntryFieldCount]);
    HWND window() const { return view_; }

    // Keys and context menu requests on the rows go to `input`'s handlers.
    RowInput& input() { return input_; }

    // The list changed (a load, an add, an edit or a removal): the view takes
    // the new row count, keeps its place and draws again the rows on screen.
    // An add, a removal or a load leaves nothing selected; an edit keeps the
    // selection.
    void rowsChanged();
    int selectedRow() const;
    // Selects and focuses `row`, as a click on it does.
    void select(int row);
    // Without a focused row Enter, Delete and Shift+F10 have nothing to act on.
    void keepFocusedRow();
    // The list's own notifications; true with `result` when it answered one.
    bool onNotify(const NMHDR& header, LRESULT& result);

private:
    void fillDisplayInfo(LVITEMW& item);
    int rowImage(const std::string& targetPath);
    int findRow(UINT flags, const wchar_t* text, int start) const;

    const EntryList& rows_;
    HWND view_ = nullptr;  // destroyed with its parent; it owns its image list
    // Which icons the image list holds, by what they show.
    IconSlots icons_{kRowIconSlots};
    RowInput input_;
};

}  // namespace tolvane
