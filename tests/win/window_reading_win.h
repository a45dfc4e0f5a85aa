// What the window tests read back and where they put their files: scratch
// paths in the temporary folder and the text of a list view's cell.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/wide_text_win.h"

namespace tolvane::testing {

// A path in the temporary folder, in UTF-8.
inline std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    return Utf8OfWide(folder) + name;
}

// The text of a cell of a report list view, as the list shows it.
inline std::wstring ListCellText(HWND list, int row, int column = 0) {
    wchar_t text[256] = {};
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    return text;
}

}  // namespace tolvane::testing
