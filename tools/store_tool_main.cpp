#include <iostream>

#include "tools/store_tool.h"
#include "tools/tool_arguments.h"
#ifdef _WIN32
#include "core/library_search_win.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    tolvane::LoadLibrariesOnlyFromTheSystemFolder();
#endif
    try {
        return tolvane::RunStoreTool(tolvane::ToolArguments(argc, argv), tolvane::HostFiles(), std::cout,
                                     std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "tolvane-store: " << error.what() << "\n";
        return 1;
    }
}
