// Finding a row by its name, as a list does when the user types the first
// letters of an entry: the list asks, since it holds no texts of its own.
#pragma once

#include <string_view>

#include "core/start_entry.h"

namespace tolvane {

struct RowQuery {
    std::string_view text;
    bool partial = false;   // the name begins with the text; otherwise it is the whole name
    bool wrap = false;      // go on from the top after the last row
    int start = 0;          // first row looked at
};

// Index of the first row, from the start on, whose name matches, letter case
// ignored as Windows-1252 knows it ("ä" is "Ä"); -1 when none does.
int FindRow(const EntryList& rows, const RowQuery& query);

}  // namespace tolvane
