#include "core/command_line.h"

namespace tolvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program path: a leading quote runs to the next quote, otherwise up to
// the first blank; no escapes either way.
std::size_t EndOfProgramPath(std::string_view line) {
    if (!line.empty() && line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        return close == std::string_view::npos ? line.size() : close + 1;
    }
    std::size_t at = 0;
    while (at < line.size() && !IsBlank(line[at])) ++at;
    return at;
}

}  // namespace

std::string FirstArgument(std::string_view commandLine) {
    std::size_t at = EndOfProgramPath(commandLine);
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;

    std::string argument;
    bool quoted = false;
    while (at < commandLine.size() && (quoted || !IsBlank(commandLine[at]))) {
        std::size_t backslashes = 0;
        while (at < commandLine.size() && commandLine[at] == '\\') ++backslashes, ++at;
        if (at < commandLine.size() && commandLine[at] == '"') {
            // 2n backslashes and a quote: n backslashes, the quote groups;
            // 2n+1: n backslashes and a literal quote.
            argument.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                argument += '"';
            } else if (quoted && at + 1 < commandLine.size() && commandLine[at + 1] == '"') {
                argument += '"';  // "" inside quotes is one quote
                ++at;
            } else {
                quoted = !quoted;
            }
            ++at;
            continue;
        }
        argument.append(backslashes, '\\');
        if (backslashes == 0) argument += commandLine[at++];
    }
    return argument;
}

}  // namespace tolvane
