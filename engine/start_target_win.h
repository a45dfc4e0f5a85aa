// Starts a program, or opens a document or folder through the shell.
#pragma once

#include <string>

#include "engine/start_target.h"

namespace tolvane {

// First as a process from the quoted target plus parameters; when that fails
// (a document, a folder), with the shell's "Open" in the target's folder.
// A failure carries the shell's error, the last way tried.
LaunchResult StartTarget(const std::string& target, const std::string& parameters, bool hidden);

struct WinLauncher : Launcher {
    LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) override {
        return StartTarget(target, parameters, hidden);
    }
};

}  // namespace tolvane
