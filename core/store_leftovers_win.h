// Temporary files that killed saves left beside the store.
#pragma once

#include <string>

namespace tolvane {

// Called at start-up, before this process saves anything. Deletes the temporary files of saves and backup copies beside
// `storePath` whose writing process no longer runs; a file of a process
// that still runs (another copy of Tolvane in the middle of a save) stays.
// Returns how many were deleted.
// `storePath` is UTF-8.
int RemoveSaveLeftovers(const std::string& storePath);

}  // namespace tolvane
