// Icon of an entry's target for its list row.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane {

// Own icon of an "EXE" target; the shell's file-type icon of any other
// extension (no file is opened); shell32.dll icon 2 when neither exists.
// The caller destroys the icon.
HICON IconForRow(const std::string& targetPath);
HICON FileTypeIcon(const std::string& extension);

}  // namespace tolvane
