// "Startverlauf anzeigen": the history in the program Windows opens text
// files with.
#pragma once

#include <string>

#include "app/notifier_win.h"

namespace tolvane {

// A history that does not exist yet is made empty first, so the user sees
// that nothing has happened rather than an error. What keeps it from
// opening is told through `notify`.
void ShowHistory(const std::string& historyPath, Notifier& notify);

}  // namespace tolvane
