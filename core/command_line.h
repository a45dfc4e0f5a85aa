// The program reads one thing from its command line: whether the first
// argument is exactly "-h" (started by the autostart shortcut at logon).
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// First argument after the program path of a UTF-8 command line, split as
// Windows' own argument splitting does: blanks and tabs separate, double
// quotes group and are removed, a backslash escapes a quote only when it
// comes right before it. Empty when none. The line must be read wide: the
// code-page form maps look-alikes such as "-ĥ" to "-h".
std::string FirstArgument(std::string_view commandLine);

inline bool IsSystemStartMode(std::string_view commandLine) { return FirstArgument(commandLine) == "-h"; }

}  // namespace tolvane
