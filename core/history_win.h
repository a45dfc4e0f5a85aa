// The start history on Windows: where it lives and the local clock.
#pragma once

#include <string>

#include "core/history_file.h"

namespace tolvane {

// tolvane.log beside the store, in UTF-8; empty without a profile folder.
std::string HistoryFilePath();

LocalTime LocalTimeNow();

}  // namespace tolvane
