// The running processes of the system, for the watcher: the listing comes
// from one NtQuerySystemInformation call, which gives every process's id and
// creation time without opening any; only a path read opens a process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/process_watcher.h"

namespace tolvane {

class WinProcessSource : public ProcessSource {
public:
    WinProcessSource();
    void listProcesses(std::vector<ProcessIdentity>& out) override;
    std::string processPath(const ProcessIdentity& process) override;

    // Number of processes opened so far (one per path read).
    std::size_t opens() const { return opens_; }

private:
    using QueryFunction = long(__stdcall*)(int, void*, unsigned long, unsigned long*);
    QueryFunction query_ = nullptr;
    std::vector<unsigned char> buffer_;  // kept between passes: it seldom needs to grow
    std::size_t opens_ = 0;
};

// Full executable path of a process id, trimmed; empty when it cannot be read.
std::string ProcessPathOfId(unsigned long processId);

}  // namespace tolvane
