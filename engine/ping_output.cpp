#include "engine/ping_output.h"

namespace tolvane {

std::string PingCommandLine(std::string_view program, std::string_view target) {
    std::string line = "\"";
    line.append(program).append("\" ").append(kPingArguments).append(target);
    return line;
}

bool PingShowsConnection(std::string_view output) {
    return output.find("TTL=") != std::string_view::npos && output.find(kPingTimeoutText) == std::string_view::npos;
}

}  // namespace tolvane
