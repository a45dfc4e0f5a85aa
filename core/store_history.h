// History lines about Tolvane itself and its store file: the start of a
// run, loading, saving, keeping an old file aside; and what the user is told
// when the history cannot be opened. UTF-8, like the paths.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry_store.h"

namespace tolvane {

std::string RunStartedText(bool systemStartMode, std::size_t systemEntries, std::size_t programEntries);

// `backupPath` is where a damaged store was copied (EntryStore::backupPath()).
std::string StoreLoadedText(LoadResult result, std::string_view storePath, std::size_t systemEntries,
                            std::size_t programEntries, std::string_view backupPath = {});

// One line per thing that happened in a save (kept aside, saved or not);
// `reason` is SystemReason of result.error.
std::vector<std::string> StoreSavedTexts(const SaveResult& result, std::string_view storePath,
                                         std::string_view reason);

// Message when no program could open the history; `reason` is SystemReason.
std::string HistoryNotOpenedText(std::string_view historyPath, std::string_view reason);

}  // namespace tolvane
