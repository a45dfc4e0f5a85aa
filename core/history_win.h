// The start history on Windows: where it lives, the local clock, and
// opening it for the user.
#pragma once

#include <string>

#include "core/history_file.h"

namespace tolvane {

// tolvane.log beside the store, in UTF-8; empty without a profile folder.
std::string HistoryFilePath();

LocalTime LocalTimeNow();

// Opens the history in the program associated with text files. A history
// that does not exist yet is made empty first, so the user sees that nothing
// has happened rather than an error. A failure is told in a message box.
void ShowHistory(const std::string& historyPath);

}  // namespace tolvane
