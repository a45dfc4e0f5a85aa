#include "tools/tool_arguments.h"

namespace tolvane {

// The host's arguments are UTF-8 already.
std::vector<std::string> ToolArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

}  // namespace tolvane
