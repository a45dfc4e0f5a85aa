// The text fields of the wizards and their warning. The fields hold UTF-16,
// so what is pasted or picked keeps every character until the rules in
// field_check.h decide: nothing the store cannot hold becomes "?" unseen.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane {

// A single-line edit field in the dialog font at design position.
HWND AddTextField(HWND parent, int x, int y, int width, int height, int id, DWORD extra = 0);
// The wizards' warning: exclamation icon, one OK button.
void ShowFieldWarning(HWND owner, const std::string& text);

}  // namespace tolvane
