// Message boxes of the program: every window of the program is disabled
// while one is open; the owner is the program's foreground window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tolvane {

// Texts in Windows-1252, like every interface text.
int ProgramMessageBox(const std::string& text, const std::string& title, UINT flags,
                      const char* iconResource = nullptr);
// Texts in UTF-8: for messages that name one of the program's own files,
// whose path may hold any character.
int ProgramMessageBoxUtf8(const std::string& text, const std::string& title, UINT flags);

// Asks the user; replaced by tests so that no modal box waits for a click.
using AskUser = std::function<int(const std::string& text, const std::string& title, UINT flags)>;

}  // namespace tolvane
