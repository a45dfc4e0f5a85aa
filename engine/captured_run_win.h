// Runs a console program hidden and collects what it writes, with a time
// bound and an output bound: a program that does not end, or writes without
// end, is terminated instead of freezing (or filling) the one thread that
// also runs the windows.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

struct CapturedRun {
    std::string output;  // standard output and standard error, as written, at most the bound
    bool finished = false;  // ended by itself; false: terminated (time bound, or output bound reached first)
    bool outputCut = false;  // the program wrote more than the bound; the rest was never read
    std::uint32_t exitCode = 1;  // meaningful when finished
};

// `program` is a full path; `commandLine` its whole command line. Nothing
// when the program cannot be started. Setting `cancelled` ends the run as
// the time bound does.
std::optional<CapturedRun> RunAndCapture(const std::string& program, std::string commandLine,
                                         std::uint32_t timeoutMs, std::size_t maxOutput,
                                         const std::atomic<bool>* cancelled = nullptr);

}  // namespace tolvane
