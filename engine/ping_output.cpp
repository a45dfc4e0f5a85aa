#include "engine/ping_output.h"

namespace tolvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A letter of any language: ASCII or a byte of a code page's upper half
// (ping writes in the console code page, e.g. "мс" in Russian).
bool IsLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0x80;
}

bool HasTtlFigure(std::string_view line) {
    for (std::size_t at = line.find("TTL="); at != std::string_view::npos; at = line.find("TTL=", at + 1)) {
        if (at + 4 < line.size() && IsDigit(line[at + 4])) return true;
    }
    return false;
}

// "=" or "<", digits at once, at most one blank, then a letter.
bool HasTimeFigure(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '=' && line[i] != '<') continue;
        std::size_t j = i + 1;
        while (j < line.size() && IsDigit(line[j])) ++j;
        if (j == i + 1) continue;
        if (j < line.size() && line[j] == ' ') ++j;
        if (j < line.size() && IsLetter(line[j])) return true;
    }
    return false;
}

}  // namespace

std::string PingCommandLine(std::string_view program, std::string_view target) {
    std::string line = "\"";
    line.append(program).append("\" ").append(kPingArguments).append(target);
    return line;
}

bool PingOutputShowsReply(std::string_view output) {
    std::size_t begin = 0;
    while (begin < output.size()) {
        std::size_t end = output.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) end = output.size();
        const std::string_view line = output.substr(begin, end - begin);
        if (HasTtlFigure(line) || HasTimeFigure(line)) return true;
        begin = end + 1;
    }
    return false;
}

bool PingShowsConnection(const PingRun& run) {
    return run.endedByItself && run.exitCode == 0 && PingOutputShowsReply(run.output);
}

}  // namespace tolvane
