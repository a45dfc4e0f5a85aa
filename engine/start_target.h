// Starting a target on the user's behalf: a program as a new process, a
// document or folder through the shell. The command-line rules are portable;
// the launch itself sits behind Launcher.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

// 0 when the target was started, otherwise the system's error code of the
// last way tried (never 0 for a failure).
struct LaunchResult {
    std::uint32_t error = 0;
    bool ok() const { return error == 0; }
};

struct Launcher {
    virtual ~Launcher() = default;
    virtual LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) = 0;
};

// The target in double quotes (left alone when it already starts with one),
// then one blank and the parameters when there are any.
std::string BuildCommandLine(std::string_view target, std::string_view parameters);

// CreateProcess takes at most 32,767 characters including the terminating
// zero. Every Windows-1252 byte is one character once Windows widens it.
inline constexpr std::size_t kMaxCommandLineLength = 32766;
// Whether the line BuildCommandLine makes of these can be started at all.
bool FitsCommandLine(std::string_view target, std::string_view parameters);

// The target up to and including its last backslash; empty when it has no
// backslash after its first character.
std::string WorkingDirectoryOf(std::string_view target);

}  // namespace tolvane
