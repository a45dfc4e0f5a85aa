// The tool's command-line arguments in UTF-8, the encoding of the file
// access, so a store path outside the code page can be named.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// Everything after the program's own name.
std::vector<std::string> ToolArguments(int argc, char** argv);

}  // namespace tolvane
