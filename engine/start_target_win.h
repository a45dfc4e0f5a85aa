// Starts a program, or opens a document or folder through the shell.
#pragma once

#include <string>

#include "engine/start_target.h"

namespace tolvane {

// First as a process from the quoted target plus parameters; when that fails,
// through the shell in the target's folder: "runas" for a program that asks
// for administrator rights, "Open" for anything else (a document, a folder).
// A failure carries the error of the last way tried; a path too long to be
// started is refused before any.
LaunchResult StartTarget(const std::string& target, const std::string& parameters, bool hidden);

// One way only, for tests that cannot make Windows refuse a process.
LaunchResult StartTargetBy(StartWay way, const std::string& target, const std::string& parameters, bool hidden);

struct WinLauncher : Launcher {
    LaunchResult start(const std::string& target, const std::string& parameters, bool hidden) override {
        return StartTarget(target, parameters, hidden);
    }
};

}  // namespace tolvane
