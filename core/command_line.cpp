#include "core/command_line.h"

namespace tolvane {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string FirstArgument(std::string_view commandLine) {
    std::size_t at = 0;
    // The program path: quotes group, no escapes inside it.
    bool quoted = false;
    for (; at < commandLine.size() && (quoted || !IsBlank(commandLine[at])); ++at)
        if (commandLine[at] == '"') quoted = !quoted;
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;

    std::string argument;
    quoted = false;
    for (; at < commandLine.size() && (quoted || !IsBlank(commandLine[at])); ++at) {
        if (commandLine[at] == '"') quoted = !quoted;
        else argument += commandLine[at];
    }
    return argument;
}

}  // namespace tolvane
