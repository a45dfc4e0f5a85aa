// Runs a console program hidden and collects what it writes, with a time
// bound: a program that does not end is terminated instead of freezing the
// one thread that also runs the windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

struct CapturedRun {
    std::string output;  // standard output and standard error, as written
    bool finished = false;  // false: terminated at the time bound
};

// `program` is a full path; `commandLine` its whole command line. Nothing
// when the program cannot be started.
std::optional<CapturedRun> RunAndCapture(const std::string& program, std::string commandLine,
                                         std::uint32_t timeoutMs);

}  // namespace tolvane
