// The system's file and folder choosers as the wizards open them. Each
// returns the chosen path in UTF-8, or the empty text when the user cancelled.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane {

// "Anwendungen (*.exe;*.bat)" preselected, then "Alle Dateien (*.*)".
std::string ChooseProgramFile(HWND owner);
// Only "Anwendungen (*.exe;*.bat)".
std::string ChooseApplicationFile(HWND owner);
// Only "Alle Dateien (*.*)".
std::string ChooseAnyFile(HWND owner);
std::string ChooseFolder(HWND owner);

}  // namespace tolvane
