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
// last way tried (never 0 for a failure): the shell's own, or the consent
// refused for a program that asks for administrator rights.
struct LaunchResult {
    std::uint32_t error = 0;
    bool ok() const { return error == 0; }
};

struct Launcher {
    virtual ~Launcher() = default;
    virtual LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) = 0;
};

// The ways a target is started, in the order they are tried.
enum class StartWay { Process, Shell, ElevatedShell, GiveUp };

// CreateProcess refuses a program that asks for administrator rights.
inline constexpr std::uint32_t kErrorElevationRequired = 740;

// The way to try after `tried` failed with `error`. A program that asks for
// administrator rights goes to the shell's "runas", which asks for consent as
// Explorer does; anything else a process cannot be made of (a document, a
// folder) to the shell's "Open". Nothing follows the shell.
StartWay NextWay(StartWay tried, std::uint32_t error);

// A failed shell start as a system error: its result code
// (SHELLEXECUTEINFO.hInstApp, 32 or less) translated, since the thread's last
// error may still hold what an earlier try left (Wine keeps 193 for a
// document nothing opens); the last error only when the result code names no
// cause. Never 0.
std::uint32_t ShellStartError(std::uint32_t lastError, std::intptr_t resultCode);

// A 32-bit program can start nothing whose path is MAX_PATH characters or
// more: neither CreateProcess nor the shell takes it, whatever its short or
// extended-length form. The wizard and the launcher both ask this.
inline constexpr std::size_t kMaxStartPathLength = 259;
inline constexpr std::uint32_t kErrorPathTooLong = 206;
bool FitsStartPath(std::string_view target);

// The target in double quotes (left alone when it already starts with one),
// then one blank and the parameters when there are any.
std::string BuildCommandLine(std::string_view target, std::string_view parameters);

// CreateProcess takes at most 32,767 characters including the terminating
// zero, counted as Windows counts them (UTF-16 units).
inline constexpr std::size_t kMaxCommandLineLength = 32766;
// Whether the line BuildCommandLine makes of these can be started at all.
bool FitsCommandLine(std::string_view target, std::string_view parameters);

// The target up to and including its last backslash; empty when it has no
// backslash after its first character.
std::string WorkingDirectoryOf(std::string_view target);

}  // namespace tolvane
