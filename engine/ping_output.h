// The internet test runs the system's ping once against a public host and
// judges what it left behind: its console output and its exit code. Deciding
// what that means is kept here, free of Win32, so every wording can be tested.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kPingTarget = "www.google.com";
inline constexpr std::string_view kPingArguments = "-w 1000 -n 1 ";
// One echo request prints a few hundred bytes; a ping writing more than this
// is not answering a single echo and is ended unread.
inline constexpr std::size_t kPingOutputLimit = 64 * 1024;

// `"program" -w 1000 -n 1 target`
std::string PingCommandLine(std::string_view program, std::string_view target);

// What one run of ping left behind.
struct PingRun {
    std::string_view output;
    bool endedByItself = false;  // false: ended at the time bound or for writing too much
    std::uint32_t exitCode = 1;
};

// True when one line of the output is an echo reply. Translations of ping
// move the words around but keep its figures: an IPv4 reply carries "TTL="
// and a number; a reply of either family carries its round-trip time as "="
// or "<" directly followed by the digits and then a unit ("time=14ms",
// "Zeit<1ms", "temps=14 ms"). Unreachable and failure replies, timeouts,
// failed lookups and the statistics (" = 1", with a blank) carry neither.
bool PingOutputShowsReply(std::string_view output);

// Connected exactly when ping ended by itself, reported success (exit code 0,
// which no timeout, failed lookup or general failure gives) and printed an
// echo reply (an unreachable reply gives exit code 0 too).
bool PingShowsConnection(const PingRun& run);

}  // namespace tolvane
