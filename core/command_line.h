// The program reads one thing from its command line: whether the first
// argument is exactly "-h" (started by the autostart shortcut at logon).
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// First argument after the program path, with Windows quoting rules: blanks
// and tabs separate, double quotes group and are removed. Empty when none.
std::string FirstArgument(std::string_view commandLine);

inline bool IsSystemStartMode(std::string_view commandLine) { return FirstArgument(commandLine) == "-h"; }

}  // namespace tolvane
