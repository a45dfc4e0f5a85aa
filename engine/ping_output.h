// The internet test runs the system's ping once against a public host and
// reads its console output. Deciding what that output means is kept here,
// free of Win32, so every wording can be tested.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kPingTarget = "www.google.com";
inline constexpr std::string_view kPingArguments = "-w 1000 -n 1 ";
// German console text of a reply timeout, without its first letters.
inline constexpr std::string_view kPingTimeoutText = "berschreitung der Anforderung";

// `"program" -w 1000 -n 1 target`
std::string PingCommandLine(std::string_view program, std::string_view target);

// Connected only when an echo reply came back: every language prints "TTL="
// in a reply line, and neither timeouts, unreachable replies, failed name
// lookups nor an empty output carry it.
bool PingShowsConnection(std::string_view output);

}  // namespace tolvane
