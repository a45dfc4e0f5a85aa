// Names of the running processes for the process chooser.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// One name per running process in the system's enumeration order: the file
// part of its executable's path (what the watcher compares a trigger with),
// else the base name of its main module, "IDLE" for id 0, "System" where the
// system reports "?", the empty text when the process cannot be read. Not
// trimmed or filtered: the chooser does that.
std::vector<std::string> RunningProcessNames();

// The name of one process id under the rules above.
std::string ProcessNameOfId(unsigned long processId);

}  // namespace tolvane
