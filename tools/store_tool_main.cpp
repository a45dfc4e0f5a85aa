#include <iostream>

#include "tools/store_tool.h"
#include "tools/tool_arguments.h"

int main(int argc, char** argv) {
    try {
        return tolvane::RunStoreTool(tolvane::ToolArguments(argc, argv), tolvane::HostFiles(), std::cout,
                                     std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "tolvane-store: " << error.what() << "\n";
        return 1;
    }
}
