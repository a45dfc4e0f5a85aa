#include "tools/tool_arguments.h"

#include <windows.h>
#include <shellapi.h>

#include "core/wide_text_win.h"

namespace tolvane {

// argv is in the ANSI code page and has lost what it cannot hold: read the
// wide command line instead.
std::vector<std::string> ToolArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return {argv + 1, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8OfWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace tolvane
