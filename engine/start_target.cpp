#include "engine/start_target.h"

namespace tolvane {

std::string BuildCommandLine(std::string_view target, std::string_view parameters) {
    std::string line;
    if (!target.empty() && target.front() == '"') {
        line = target;
    } else {
        line.append("\"").append(target).append("\"");
    }
    if (!parameters.empty()) line.append(" ").append(parameters);
    return line;
}

bool FitsCommandLine(std::string_view target, std::string_view parameters) {
    return BuildCommandLine(target, parameters).size() <= kMaxCommandLineLength;
}

std::string WorkingDirectoryOf(std::string_view target) {
    const std::size_t slash = target.rfind('\\');
    if (slash == std::string_view::npos || slash == 0) return {};
    return std::string(target.substr(0, slash + 1));
}

}  // namespace tolvane
