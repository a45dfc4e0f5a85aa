// Message boxes of the program: every window of the program is disabled
// while one is open; the owner is the program's foreground window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tolvane {

// Texts in UTF-8, shown through the wide API, so every character is kept.
// `iconResource`: the program's own icon in place of the flags' one.
int ProgramMessageBox(const std::string& text, const std::string& title, UINT flags,
                      const wchar_t* iconResource = nullptr);

// Asks the user (texts in UTF-8); replaced by tests so that no modal box
// waits for a click.
using AskUser = std::function<int(const std::string& text, const std::string& title, UINT flags)>;

}  // namespace tolvane
