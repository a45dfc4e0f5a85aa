// tolvane-store: reads and writes the entry store from outside the program,
// for backups, inspection, repair and tests.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/file_access.h"

namespace tolvane {

// `dump FILE` prints one JSON object per row; `pack JSONL FILE` writes a
// store from such lines. Returns the process exit code.
int RunStoreTool(const std::vector<std::string>& args, FileAccess& files, std::ostream& out, std::ostream& err);

}  // namespace tolvane
