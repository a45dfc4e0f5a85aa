// Entry points of the wizards and edit dialogs. Each runs modally inside the
// caller's handler, owned by the main window, and returns when it closes.
// A commit changes the model, saves the store and reports the changed list.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/entry_book.h"
#include "ui/image_set_win.h"

namespace tolvane {

struct WizardHost {
    EntryBook& app;
    HWND owner;                // the main window; disabled while a wizard is open
    const ImageSet& images;
    // Called after a commit changed a list (the store is already saved).
    std::function<void(ListKind)> entriesChanged;
    // Names for the process chooser, in enumeration order.
    std::function<std::vector<std::string>()> runningProcessNames;
    // Tells about a field that cannot be stored; a message box unless a
    // test puts its own in.
    std::function<void(HWND owner, const std::string& text)> warn;
};

void RunNewSystemStartWizard(WizardHost& host);
void RunSystemStartEdit(WizardHost& host, std::size_t row);
void RunNewProgramStartWizard(WizardHost& host);
void RunProgramStartEdit(WizardHost& host, std::size_t row);

}  // namespace tolvane
