#include <iostream>

#include "tools/store_tool.h"

int main(int argc, char** argv) {
    try {
        return tolvane::RunStoreTool(std::vector<std::string>(argv + 1, argv + argc), tolvane::HostFiles(), std::cout,
                                     std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "tolvane-store: " << error.what() << "\n";
        return 1;
    }
}
